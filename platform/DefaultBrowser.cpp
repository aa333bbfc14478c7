#include "platform/DefaultBrowser.h"

#include "platform/AsciiCase.h"
#include "platform/BrowserCommand.h"
#include "platform/ProcessStarter.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace lumivane {

namespace {

std::string environment(const char* name, const std::string& fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::string(value) : fallback;
}

std::vector<std::string> splitList(const std::string& text, char separator)
{
    std::vector<std::string> items;
    std::string item;
    for (const char c : text + separator) {
        if (c != separator) {
            item += c;
        } else if (!item.empty()) {
            items.push_back(item);
            item.clear();
        }
    }
    return items;
}

std::string trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The value of key in [group] of a desktop-entry-style file; empty when missing.
std::string iniValue(const std::string& path, const std::string& group, const std::string& key)
{
    std::ifstream in(path);
    std::string line;
    bool inGroup = false;
    while (std::getline(in, line)) {
        line = trim(line);
        if (!line.empty() && line.front() == '[') {
            inGroup = line == "[" + group + "]";
        } else if (inGroup) {
            const auto equals = line.find('=');
            if (equals != std::string::npos && trim(line.substr(0, equals)) == key)
                return trim(line.substr(equals + 1));
        }
    }
    return {};
}

// mimeapps.list files from the most to the least important.
std::vector<std::string> mimeAppsFiles(const XdgDirs& dirs)
{
    std::vector<std::string> folders {dirs.configHome};
    folders.insert(folders.end(), dirs.configDirs.begin(), dirs.configDirs.end());
    folders.push_back(dirs.dataHome + "/applications");
    for (const auto& data : dirs.dataDirs)
        folders.push_back(data + "/applications");
    std::vector<std::string> files;
    for (const auto& folder : folders) {
        for (const auto& desktop : dirs.desktops)
            files.push_back(folder + "/" + desktop + "-mimeapps.list");
        files.push_back(folder + "/mimeapps.list");
    }
    for (const auto& data : dirs.dataDirs)
        files.push_back(data + "/applications/defaults.list");
    return files;
}

// A desktop id "vendor-app.desktop" may also live as "vendor/app.desktop".
std::vector<std::string> entryPaths(const std::string& folder, const std::string& desktopId)
{
    std::vector<std::string> paths {folder + "/" + desktopId};
    std::string nested = desktopId;
    for (auto dash = nested.find('-'); dash != std::string::npos; dash = nested.find('-', dash)) {
        nested[dash] = '/';
        paths.push_back(folder + "/" + nested);
    }
    return paths;
}

std::string desktopEntryPath(const XdgDirs& dirs, const std::string& desktopId)
{
    if (desktopId.empty() || desktopId.find("..") != std::string::npos)
        return {};
    std::vector<std::string> folders {dirs.dataHome};
    folders.insert(folders.end(), dirs.dataDirs.begin(), dirs.dataDirs.end());
    for (const auto& folder : folders) {
        for (const auto& path : entryPaths(folder + "/applications", desktopId)) {
            std::error_code error;
            if (std::filesystem::is_regular_file(path, error))
                return path;
        }
    }
    return {};
}

std::string askXdgMime()
{
    FILE* pipe = popen("xdg-mime query default x-scheme-handler/http 2>/dev/null", "r");
    if (!pipe)
        return {};
    std::string answer;
    char chunk[256];
    while (const auto got = std::fread(chunk, 1, sizeof chunk, pipe))
        answer.append(chunk, got);
    pclose(pipe);
    return trim(answer.substr(0, answer.find('\n')));
}

} // namespace

XdgDirs XdgDirs::fromEnvironment()
{
    const std::string home = environment("HOME", "");
    XdgDirs dirs;
    dirs.configHome = environment("XDG_CONFIG_HOME", home + "/.config");
    dirs.configDirs = splitList(environment("XDG_CONFIG_DIRS", "/etc/xdg"), ':');
    dirs.dataHome = environment("XDG_DATA_HOME", home + "/.local/share");
    dirs.dataDirs = splitList(environment("XDG_DATA_DIRS", "/usr/local/share:/usr/share"), ':');
    for (const auto& desktop : splitList(environment("XDG_CURRENT_DESKTOP", ""), ':'))
        dirs.desktops.push_back(lowerAscii(desktop));
    return dirs;
}

std::string defaultHandlerFromMimeApps(const XdgDirs& dirs, const std::string& mimeType)
{
    for (const auto& file : mimeAppsFiles(dirs)) {
        const auto handlers = iniValue(file, "Default Applications", mimeType);
        for (const auto& id : splitList(handlers, ';')) {
            if (!desktopEntryPath(dirs, id).empty())
                return id;
        }
    }
    return {};
}

std::string desktopEntryExec(const XdgDirs& dirs, const std::string& desktopId)
{
    const auto path = desktopEntryPath(dirs, desktopId);
    return path.empty() ? std::string() : iniValue(path, "Desktop Entry", "Exec");
}

std::string defaultHttpCommand()
{
    const auto dirs = XdgDirs::fromEnvironment();
    auto id = askXdgMime();
    if (desktopEntryPath(dirs, id).empty())
        id = defaultHandlerFromMimeApps(dirs, "x-scheme-handler/http");
    return desktopEntryExec(dirs, id);
}

bool openWithBrowserCommand(
    const std::string& command, const std::string& url, const ProcessStart& start)
{
    const auto argv = browserCommandLine(command, url);
    return argv && start(*argv);
}

bool OpenInDefaultBrowser(const std::string& url)
{
    return openWithBrowserCommand(defaultHttpCommand(), url, startDetached);
}

} // namespace lumivane
