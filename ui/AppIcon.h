#pragma once

#include <string>

namespace lumivane {

/// Sets the application icon (taskbar button and every window) from an icon
/// file, all its sizes. Returns false and keeps the current icon when the file
/// holds no readable image.
bool loadApplicationIcon(const std::string& path);

} // namespace lumivane
