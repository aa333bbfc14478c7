#include "urllist/UrlListImport.h"

#include "platform/Error.h"
#include "urllist/RowIdentifiers.h"
#include "urllist/StatusPanels.h"
#include "urllist/UrlList.h"
#include "urllist/UrlListCommands.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace lumivane {

namespace {

// Appends rows numbered base + 1, base + 2, ... with the total refreshed after each.
class RowAppender {
public:
    RowAppender(UrlList& list, StatusPanels& panels, long long base)
        : m_list(list)
        , m_panels(panels)
        , m_next(base + 1)
    {
    }

    void append(ListEntry entry)
    {
        m_list.append({std::to_string(m_next++), std::move(entry.id), std::move(entry.url)});
        refreshTotal(m_list, m_panels);
    }

private:
    UrlList& m_list;
    StatusPanels& m_panels;
    long long m_next;
};

Error readError(const std::string& path, int code)
{
    return Error("Cannot read the URL list file " + path + ": " + std::strerror(code)
        + ". The URL list has been emptied.");
}

// Only a regular file counts: a pipe would block the window until something
// writes to it, and a device such as /dev/urandom never ends.
bool fileExists(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::is_regular_file(std::filesystem::status(path, ignored));
}

} // namespace

bool isBlank(std::string_view text)
{
    return std::all_of(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

bool addUrl(UrlList& list, StatusPanels& panels, const std::string& text, int linkType)
{
    if (isBlank(text))
        return false;
    list.append({nextRowNumber(list), rowId(text, linkType), text});
    refreshTotal(list, panels);
    return true;
}

void loadListFile(
    UrlList& list, StatusPanels& panels, const std::string& path, ListFormat format, int linkType)
{
    if (path.empty() || !fileExists(path))
        return;
    const long long base = list.lastNumber();
    list.clear();
    RowAppender rows(list, panels, base);
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw readError(path, errno ? errno : EACCES);
    const bool complete = readLines(
        in, [&](std::string_view line) { rows.append(parseLine(line, format, linkType)); });
    if (!complete)
        throw readError(path, errno ? errno : EIO);
}

bool loadTypedList(UrlList& list, StatusPanels& panels, std::string_view text, int linkType)
{
    if (isBlank(text))
        return false;
    const long long base = list.lastNumber();
    list.clear();
    RowAppender rows(list, panels, base);
    LineCutter cutter([&](std::string_view line) {
        rows.append(parseLine(line, ListFormat::oneUrlPerLine, linkType));
    });
    cutter.feed(text);
    cutter.finish();
    return true;
}

} // namespace lumivane
