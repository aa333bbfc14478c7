#pragma once

#include <functional>
#include <string>
#include <vector>

namespace lumivane {

/// The folders the desktop keeps its application settings in (XDG base directories).
struct XdgDirs {
    std::string configHome;
    std::vector<std::string> configDirs;
    std::string dataHome;
    std::vector<std::string> dataDirs;
    /// XDG_CURRENT_DESKTOP, lower-cased, for the "<desktop>-mimeapps.list" files.
    std::vector<std::string> desktops;

    /// From the environment, with the standard defaults for unset variables.
    static XdgDirs fromEnvironment();
};

/// The desktop entry id of the default handler of a MIME type ("x-scheme-handler/http")
/// from the mimeapps.list files in their order of precedence; the first listed handler
/// whose entry exists wins. Empty when none is set.
std::string defaultHandlerFromMimeApps(const XdgDirs& dirs, const std::string& mimeType);

/// The Exec line of the desktop entry with the given id; empty when it does not exist.
std::string desktopEntryExec(const XdgDirs& dirs, const std::string& desktopId);

/// The command of the desktop's default http handler: its desktop entry's Exec line, the
/// handler asked from xdg-mime when it is installed, else read from mimeapps.list.
std::string defaultHttpCommand();

using ProcessStart = std::function<bool(const std::vector<std::string>& argv)>;

/// Opens url with a browser command (see browserCommandLine). False, starting nothing,
/// when the command names no program; otherwise whether the program was started.
bool openWithBrowserCommand(
    const std::string& command, const std::string& url, const ProcessStart& start);

/// Opens url in the browser registered for the http scheme.
bool OpenInDefaultBrowser(const std::string& url);

} // namespace lumivane
