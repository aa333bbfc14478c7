#include "tools/Updater/FileReplacement.h"

#include "platform/Error.h"

#include <filesystem>
#include <system_error>

namespace lumivane {

namespace fs = std::filesystem;

namespace {

struct Replaced {
    fs::path target;
    fs::path backup; // empty when there was no old file
};

class Replacement {
public:
    Replacement(fs::path programFolder, fs::path stagedFolder, fs::path backupFolder)
        : m_programFolder(std::move(programFolder))
        , m_stagedFolder(std::move(stagedFolder))
        , m_backupFolder(std::move(backupFolder))
    {
    }

    void replace(const std::string& path)
    {
        // Checked again here: a link may have appeared while the program was ending.
        checkTargetInside(m_programFolder.string(), path);
        const auto target = m_programFolder / path;
        makeParents(target.parent_path());
        Replaced step {target, {}};
        if (fs::exists(fs::symlink_status(target))) {
            step.backup = m_backupFolder / path;
            fs::create_directories(step.backup.parent_path());
            fs::rename(target, step.backup);
        }
        m_done.push_back(step);
        fs::rename(m_stagedFolder / path, target);
        if (!step.backup.empty())
            fs::permissions(target, fs::status(step.backup).permissions());
    }

    // Undoes every step in reverse order; false when something could not be put back.
    bool rollBack() noexcept
    {
        bool complete = true;
        std::error_code error;
        for (auto step = m_done.rbegin(); step != m_done.rend(); ++step) {
            if (!step->backup.empty()) {
                fs::rename(step->backup, step->target, error);
            } else {
                fs::remove(step->target, error);
            }
            complete = complete && !error;
        }
        for (auto folder = m_madeFolders.rbegin(); folder != m_madeFolders.rend(); ++folder)
            fs::remove(*folder, error);
        return complete;
    }

private:
    // Like create_directories, but remembers what it made so a rollback can remove it.
    void makeParents(const fs::path& folder)
    {
        if (folder == m_programFolder || fs::is_directory(fs::symlink_status(folder)))
            return;
        makeParents(folder.parent_path());
        fs::create_directory(folder);
        m_madeFolders.push_back(folder);
    }

    fs::path m_programFolder;
    fs::path m_stagedFolder;
    fs::path m_backupFolder;
    std::vector<Replaced> m_done;
    std::vector<fs::path> m_madeFolders;
};

} // namespace

void replaceFiles(const std::string& programFolder, const std::string& stagedFolder,
    const std::vector<std::string>& paths, const std::string& backupFolder)
{
    Replacement replacement(programFolder, stagedFolder, backupFolder);
    try {
        for (const auto& path : paths)
            replacement.replace(path);
    } catch (const std::exception& failure) {
        if (!replacement.rollBack())
            throw Error(std::string("Replacing files failed and not every file could be put "
                                    "back; the old files are kept in ")
                + backupFolder + ": " + failure.what());
        std::error_code error;
        fs::remove_all(backupFolder, error);
        throw Error(
            std::string("Replacing files failed, the old files were put back: ") + failure.what());
    }
    std::error_code error;
    fs::remove_all(backupFolder, error);
}

void checkTargetInside(const std::string& folder, const std::string& path)
{
    fs::path current(folder);
    const fs::path relative(path);
    for (auto part = relative.begin(); part != relative.end(); ++part) {
        current /= *part;
        const auto status = fs::symlink_status(current);
        if (!fs::exists(status))
            return;
        if (fs::is_symlink(status))
            throw Error("Refused: " + path + " passes through a symbolic link");
        const bool last = std::next(part) == relative.end();
        if (last ? !fs::is_regular_file(status) : !fs::is_directory(status))
            throw Error("Refused: " + path + " does not match the files in the program folder");
    }
}

} // namespace lumivane
