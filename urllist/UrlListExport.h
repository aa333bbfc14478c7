#pragma once

#include "urllist/UrlListFormat.h"

#include <string>

namespace lumivane {

class UrlList;

/// The selected rows from the top, one line each ended by CR LF.
std::string exportText(const UrlList& list, ListFormat format);

/// Creates or replaces the file with the selected rows. Raises an error that
/// names the file and the system's reason when it cannot be written.
void saveListFile(const UrlList& list, const std::string& path, ListFormat format);

} // namespace lumivane
