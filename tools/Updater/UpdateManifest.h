#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

/// One file of the new version: its path relative to the program folder and the SHA-256 of
/// its contents as 64 lower-case hex digits.
struct UpdateFile {
    std::string path;
    std::string sha256;
};

/// What mainappupdate.inf describes: the version offered and every file of it.
struct UpdateManifest {
    std::string version;
    std::vector<UpdateFile> files;
};

/// The largest manifest the Updater reads; a bigger one is refused unread.
inline constexpr std::size_t maxManifestSize = 1024 * 1024;

/// Reads `[APPLICATION] Version` and the `[FILES]` lines "relative path = sha256". Raises
/// lumivane::Error saying why when the text is not a usable manifest: no version, no file, a
/// path that is not safe, a path listed twice or a hash that is not 64 hex digits.
UpdateManifest parseUpdateManifest(std::string_view text);

/// True for a relative path that stays inside the folder it is joined to: not empty, not
/// absolute, no empty, "." or ".." component, no backslash and no control character.
bool isSafeRelativePath(std::string_view path);

} // namespace lumivane
