#pragma once

#include <string>

namespace lumivane {

/// Row status words; compared exactly, case included.
namespace status {
inline constexpr const char* pending = "Pending";
inline constexpr const char* skipped = "Skipped";
inline constexpr const char* downloading = "Downloading...";
inline constexpr const char* error = "Error";
inline constexpr const char* success = "Success";
} // namespace status

/// One row of the URL list. Number, ID, URL and status are 8-bit text.
struct UrlRow {
    std::string number;
    std::string id;
    std::string url;
    std::string status = status::pending;
    bool selected = false;
};

} // namespace lumivane
