#pragma once

#include <functional>
#include <string>

namespace lumivane {

/// Opens a URL outside the program; widgets take one so tests can record the calls.
using UrlOpener = std::function<void(const std::string& url)>;

/// The desktop's handler for the URL (the shell's "open" on it); an empty URL opens nothing.
void openWithDesktop(const std::string& url);

} // namespace lumivane
