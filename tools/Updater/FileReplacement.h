#pragma once

#include <string>
#include <vector>

namespace lumivane {

/// Moves each staged file (stagedFolder/path) over its target (programFolder/path), checking
/// each target with checkTargetInside right before it is touched. A file it
/// replaces goes to backupFolder/path first and lends the new file its permissions. When any
/// step fails, every file already replaced is put back, folders it made are removed, and
/// lumivane::Error is raised; on success the backup folder is removed.
void replaceFiles(const std::string& programFolder, const std::string& stagedFolder,
    const std::vector<std::string>& paths, const std::string& backupFolder);

/// Raises lumivane::Error unless folder/path can be written without leaving folder: no part
/// of it below folder is a symbolic link, the parts before the last are folders where they
/// exist, and the last is a regular file where it exists.
void checkTargetInside(const std::string& folder, const std::string& path);

} // namespace lumivane
