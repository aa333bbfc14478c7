#pragma once

#include "urllist/UrlListFormat.h"

#include <string>
#include <string_view>

namespace lumivane {

class StatusPanels;
class UrlList;

/// True when the text holds only characters with codes 0 to 32.
bool isBlank(std::string_view text);

/// Appends one typed URL with the next number, unless the text is blank.
/// The row keeps the text untrimmed; true when a row was added.
bool addUrl(UrlList& list, StatusPanels& panels, const std::string& text, int linkType);

/// Replaces the list with the lines of a file, numbered on from the old last
/// row. Does nothing when no regular file has that name. A file that cannot be read
/// raises an error; the list has been emptied by then.
void loadListFile(
    UrlList& list, StatusPanels& panels, const std::string& path, ListFormat format, int linkType);

/// Replaces the list with typed lines, one URL per line, numbered on from the
/// old last row. A blank text leaves the list alone; true when it was replaced.
bool loadTypedList(UrlList& list, StatusPanels& panels, std::string_view text, int linkType);

} // namespace lumivane
