#include "platform/ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace lumivane {

std::string programFolder()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path().string();
    return exe.parent_path().string();
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    return folder + "/" + name;
}

} // namespace lumivane
