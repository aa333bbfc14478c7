#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumivane {

/// The argument vector that opens url with a browser's command text: argv[0] is the
/// program, the URL is the last argument.
///
/// A command that contains ".exe" (any letter case) is kept up to the end of the first
/// ".exe" with every double quote removed, and the URL is its one parameter. Any other
/// command is a desktop entry Exec line: it is cut into words with its quoting rules, its
/// field codes (%u, %U, %f, %F, %i, %c, %k and the deprecated ones) are dropped, "%%" is a
/// literal "%", and the URL is appended. Empty when no program is left.
std::optional<std::vector<std::string>> browserCommandLine(
    const std::string& command, const std::string& url);

} // namespace lumivane
