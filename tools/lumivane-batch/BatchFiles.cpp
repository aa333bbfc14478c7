#include "tools/lumivane-batch/BatchFiles.h"

#include "tools/lumivane-batch/BatchOptions.h"
#include "tools/lumivane-batch/RowSource.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace lumivane::batch {

namespace {

std::string reason(int code)
{
    return std::strerror(code ? code : EIO);
}

UsageError unreadable(const std::string& listFile, const std::string& why)
{
    return UsageError("cannot read the list file \"" + listFile + "\": " + why);
}

} // namespace

ListInput openList(const std::string& listFile, std::istream& standardInput)
{
    ListInput input;
    if (listFile == "-") {
        input.stream = &standardInput;
        return input;
    }
    std::error_code error;
    if (std::filesystem::is_directory(listFile, error))
        throw unreadable(listFile, "it is a folder");
    errno = 0;
    input.file = std::make_unique<std::ifstream>(listFile, std::ios::binary);
    if (!*input.file)
        throw unreadable(listFile, reason(errno));
    input.stream = input.file.get();
    // A pipe can be read only once: its rows are not counted first.
    if (!std::filesystem::is_regular_file(listFile, error))
        return input;
    input.rows = countRows(*input.file);
    if (!input.rows)
        throw unreadable(listFile, reason(errno));
    input.file->clear();
    input.file->seekg(0);
    if (!*input.file)
        throw unreadable(listFile, "it cannot be read twice (use - to stream it)");
    return input;
}

void makeFolder(const std::string& folder, const std::string& what)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        throw UsageError("cannot create the " + what + " \"" + folder + "\": " + error.message());
    if (!std::filesystem::is_directory(folder, error))
        throw UsageError("the " + what + " \"" + folder + "\" is not a folder");
}

std::unique_ptr<std::ofstream> openReport(const std::string& fileName)
{
    errno = 0;
    auto report = std::make_unique<std::ofstream>(fileName, std::ios::binary | std::ios::trunc);
    if (!*report)
        throw UsageError("cannot create the report \"" + fileName + "\": " + reason(errno));
    return report;
}

} // namespace lumivane::batch
