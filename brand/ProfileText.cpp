#include "brand/ProfileText.h"

namespace lumivane {

std::vector<std::string> splitProfileLines(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

std::string joinProfileLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string openTag(std::string_view name)
{
    return "<%%" + std::string(name) + "%%>";
}

std::string closeTag(std::string_view name)
{
    return "<%%/" + std::string(name) + "%%>";
}

RemainingText::RemainingText(std::string text)
    : m_text(std::move(text))
    , m_upper(upperAscii(m_text))
{
}

TagMatch RemainingText::extractTag(std::string_view open, std::string_view close)
{
    TagMatch match;
    const std::size_t openAt = m_upper.find(upperAscii(open), m_offset);
    if (open.empty() || openAt == std::string::npos) {
        return match;
    }
    match.openFound = true;
    m_offset = openAt + open.size();
    const std::size_t closeAt
        = close.empty() ? std::string::npos : m_upper.find(upperAscii(close), m_offset);
    if (closeAt == std::string::npos) {
        return match;
    }
    match.closeFound = true;
    match.value = m_text.substr(m_offset, closeAt - m_offset);
    m_offset = closeAt;
    return match;
}

bool RemainingText::occursAnywhere(std::string_view tag) const
{
    return !tag.empty() && m_upper.find(upperAscii(tag)) != std::string::npos;
}

} // namespace lumivane
