#include "brand/ProfileText.h"

#include "platform/LineCutter.h"

namespace lumivane {

std::vector<std::string> splitProfileLines(std::string_view text)
{
    return cutLines(text);
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
