#pragma once

#include <string>
#include <vector>

namespace lumivane {

/// Starts programs that outlive the caller, the way the Windows shell's "open" verb does.
/// An interface so tests can record what would have been started.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    /// parameters is one command-line text; it is cut at blanks into the arguments.
    /// Returns true when the program could be started.
    virtual bool open(const std::string& program, const std::string& parameters) = 0;
};

/// The real starter: a detached child in its own session, not waited for.
class DetachedProcessStarter final : public ProcessStarter {
public:
    bool open(const std::string& program, const std::string& parameters) override;
};

/// Starts argv[0] (searched in PATH when it has no "/") with argv as its arguments, detached
/// from the caller, so it is never left a zombie and keeps running when the caller ends.
/// Returns true when the program was executed.
bool startDetached(const std::vector<std::string>& argv);

/// The words of a command-line text, cut at runs of blanks.
std::vector<std::string> splitParameters(const std::string& parameters);

} // namespace lumivane
