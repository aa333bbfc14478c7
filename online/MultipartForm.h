#pragma once

#include "online/WebClient.h"

#include <chrono>
#include <ctime>
#include <string>

namespace lumivane {

/// "--------" then month, day, two-digit year, hour, minute, second and
/// millisecond of the given local time (mmddyyhhnnsszzz).
std::string multipartBoundary(const std::tm& localTime, int milliseconds);

/// The boundary for a body built now.
std::string multipartBoundaryNow();

/// The multipart/form-data body: per field the delimiter, its Content-Disposition
/// line, an empty line and the value; then an empty line and the closing delimiter.
std::string multipartBody(const FormFields& fields, const std::string& boundary);

} // namespace lumivane
