#pragma once

#include <string>

namespace lumivane {

/// Folder of the running executable, without a trailing separator.
std::string programFolder();

/// folder + "/" + name: the one way the program joins its paths.
std::string joinPath(const std::string& folder, const std::string& name);

} // namespace lumivane
