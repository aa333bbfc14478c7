#include "tools/Updater/ProgramExit.h"

#include <filesystem>
#include <system_error>
#include <thread>

namespace lumivane {

namespace fs = std::filesystem;

bool isProgramRunning(const std::string& path)
{
    std::error_code error;
    auto executable = fs::weakly_canonical(path, error);
    if (error)
        executable = path;
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        std::error_code linkError;
        const auto exe = fs::read_symlink(entry.path() / "exe", linkError);
        if (!linkError && exe == executable)
            return true;
    }
    return false;
}

ProgramExitWait::ProgramExitWait(std::function<bool()> stillRunning,
    std::chrono::milliseconds timeout, std::chrono::milliseconds step)
    : m_stillRunning(std::move(stillRunning))
    , m_timeout(timeout)
    , m_step(step)
{
}

bool ProgramExitWait::operator()()
{
    if (m_ranOut)
        return false;
    const auto deadline = std::chrono::steady_clock::now() + m_timeout;
    while (m_stillRunning()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            m_ranOut = true;
            return false;
        }
        std::this_thread::sleep_for(m_step);
    }
    return true;
}

} // namespace lumivane
