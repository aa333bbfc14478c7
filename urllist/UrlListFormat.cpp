#include "urllist/UrlListFormat.h"

#include "urllist/RowIdentifiers.h"

namespace lumivane {

namespace {

char separatorOf(ListFormat format)
{
    return format == ListFormat::pipe ? '|' : ',';
}

} // namespace

ListEntry splitLine(std::string_view line, char separator)
{
    const auto cut = line.find(separator);
    if (cut == std::string_view::npos)
        return {{}, std::string(line)};
    return {std::string(line.substr(0, cut)), std::string(line.substr(cut + 1))};
}

ListEntry parseLine(std::string_view line, ListFormat format, int linkType)
{
    if (format == ListFormat::oneUrlPerLine)
        return {rowId(line, linkType), std::string(line)};
    return splitLine(line, separatorOf(format));
}

std::string formatLine(ListFormat format, std::string_view id, std::string_view url)
{
    if (format == ListFormat::oneUrlPerLine)
        return std::string(url);
    std::string line;
    line.reserve(id.size() + 1 + url.size());
    line.append(id);
    line.push_back(separatorOf(format));
    line.append(url);
    return line;
}

} // namespace lumivane
