#pragma once

#include <string>
#include <sys/types.h>

namespace lumivane::test {

/// PHP's built-in web server (php -S) serving a folder on 127.0.0.1 at a free port, started
/// in the constructor once it accepts connections and stopped in the destructor. A router
/// script, when given, sees every request first.
class PhpServer {
public:
    explicit PhpServer(const std::string& documentRoot, const std::string& router = {});
    ~PhpServer();
    PhpServer(const PhpServer&) = delete;
    PhpServer& operator=(const PhpServer&) = delete;

    /// "http://127.0.0.1:<port>" + path.
    std::string url(const std::string& path) const;

private:
    pid_t m_pid = -1;
    int m_port = 0;
};

/// Runs a command line through the shell; its exit status and everything it printed.
struct CommandResult {
    int status = -1;
    std::string output;
};
CommandResult runCommand(const std::string& commandLine);

/// The text in single quotes for the shell.
std::string shellQuote(const std::string& text);

} // namespace lumivane::test
