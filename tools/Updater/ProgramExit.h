#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace lumivane {

/// True while a process runs the executable at path (found through /proc).
bool isProgramRunning(const std::string& path);

/// The Updater's bounded wait for the main program to end, shared by the replace step and
/// the restart, so the Updater never waits longer than one timeout.
class ProgramExitWait {
public:
    /// stillRunning is asked every step; true while the program runs.
    ProgramExitWait(std::function<bool()> stillRunning, std::chrono::milliseconds timeout,
        std::chrono::milliseconds step = std::chrono::milliseconds(250));

    /// True once the program has ended. After a wait that ran out it returns false at once.
    bool operator()();

private:
    std::function<bool()> m_stillRunning;
    std::chrono::milliseconds m_timeout;
    std::chrono::milliseconds m_step;
    bool m_ranOut = false;
};

} // namespace lumivane
