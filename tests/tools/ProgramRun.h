#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace lumivane::test {

/// What a finished program left behind.
struct ProgramResult {
    int exitCode = -1; ///< 128 + signal when a signal ended it
    std::string out;
    std::string err;
    double seconds = 0;
};

/// lumivane-batch in LUMIVANE_BIN_DIR, started with a private environment tag
/// so the processes it starts can be found after it has exited.
class BatchProgram {
public:
    BatchProgram(std::vector<std::string> args, const std::string& input = {});
    ~BatchProgram();
    BatchProgram(const BatchProgram&) = delete;
    BatchProgram& operator=(const BatchProgram&) = delete;

    int pid() const { return m_pid; }
    void signal(int number) const;
    /// Reads its output until standard error holds the text; false after `limit`.
    bool waitForError(
        const std::string& text, std::chrono::seconds limit = std::chrono::seconds(60));
    /// Reads its output until it exits, at most `limit` from its start; kills it after that.
    ProgramResult wait(std::chrono::seconds limit = std::chrono::seconds(120));
    /// Processes still alive that were started by this run (the engine's helpers).
    std::vector<int> leftovers() const;

private:
    /// Reads what is there within a short while; false once both outputs ended.
    bool readSome();

    ProgramResult m_result;
    bool m_outOpen = true;
    bool m_errOpen = true;
    std::string m_tag;
    int m_pid = -1;
    int m_feeder = -1;
    int m_out = -1;
    int m_err = -1;
    std::chrono::steady_clock::time_point m_started;
};

/// Runs to the end and returns the result.
ProgramResult runBatch(std::vector<std::string> args, const std::string& input = {});

} // namespace lumivane::test
