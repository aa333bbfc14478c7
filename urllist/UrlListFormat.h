#pragma once

#include "platform/LineCutter.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

/// The three line layouts of a URL list file.
enum class ListFormat { oneUrlPerLine, pipe, comma };

/// Every line a URL list file holds ends with this, the last line included.
inline constexpr std::string_view listLineEnd = "\r\n";

struct ListEntry {
    std::string id;
    std::string url;
};

/// ID and URL of a line in the pipe or comma layout: cut at the first separator;
/// without one, the ID is empty and the whole line is the URL.
ListEntry splitLine(std::string_view line, char separator);

/// The line of a file in the given layout; the one-URL-per-line layout makes
/// the ID with the ID rule for that selector index.
ListEntry parseLine(std::string_view line, ListFormat format, int linkType);

/// The line written for a row, without its line end.
std::string formatLine(ListFormat format, std::string_view id, std::string_view url);

} // namespace lumivane
