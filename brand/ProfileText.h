#pragma once

#include "platform/AsciiCase.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

/// The lines of a text: each ends at CR LF, a lone LF or a lone CR; reading stops at the first
/// NUL byte. A final line without a line break still counts; an empty text has no lines.
std::vector<std::string> splitProfileLines(std::string_view text);

/// The lines with CR LF after every one, the last included.
std::string joinProfileLines(const std::vector<std::string>& lines);

/// "<%%" + name + "%%>" and "<%%/" + name + "%%>".
std::string openTag(std::string_view name);
std::string closeTag(std::string_view name);

/// One tag search on a remaining text.
struct TagMatch {
    std::string value; ///< empty when either tag is missing
    bool openFound = false;
    bool closeFound = false;
};

/// The remaining text tags are extracted from. It only ever shrinks from the front, so tags
/// are found in reading order only. Tags match without regard to ASCII letter case.
class RemainingText {
public:
    explicit RemainingText(std::string text);

    /// Finds the open tag, cuts the text after it, takes the value up to the close tag and
    /// cuts the text to start at that close tag. A missing open tag changes nothing; a missing
    /// close tag leaves the text cut after the open tag.
    TagMatch extractTag(std::string_view open, std::string_view close);
    std::string extract(std::string_view open, std::string_view close)
    {
        return extractTag(open, close).value;
    }

    /// Where the remaining text starts in the whole text.
    std::size_t offset() const { return m_offset; }
    /// Whether the tag occurs anywhere in the whole text, also before the remaining text.
    bool occursAnywhere(std::string_view tag) const;

private:
    std::string m_text;
    std::string m_upper;
    std::size_t m_offset = 0;
};

} // namespace lumivane
