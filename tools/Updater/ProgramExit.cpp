#include "tools/Updater/ProgramExit.h"

#include <filesystem>
#include <system_error>
#include <thread>

namespace lumivane {

namespace fs = std::filesystem;

namespace {

bool isRunning(const fs::path& executable)
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        std::error_code linkError;
        const auto exe = fs::read_symlink(entry.path() / "exe", linkError);
        if (!linkError && exe == executable)
            return true;
    }
    return false;
}

} // namespace

bool waitForProgramExit(const std::string& path, std::chrono::milliseconds timeout)
{
    std::error_code error;
    auto executable = fs::weakly_canonical(path, error);
    if (error)
        executable = path;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (isRunning(executable)) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
    return true;
}

} // namespace lumivane
