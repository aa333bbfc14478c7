#pragma once

#include <chrono>
#include <string>

namespace lumivane {

/// Waits until no process runs the executable at path, checking every quarter second.
/// Returns false when one still runs after timeout.
bool waitForProgramExit(const std::string& path, std::chrono::milliseconds timeout);

} // namespace lumivane
