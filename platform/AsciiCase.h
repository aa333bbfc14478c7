#pragma once

#include <string>
#include <string_view>

namespace lumivane {

/// The text with ASCII letters lower-cased and every other byte as it is, whatever the
/// locale, so positions and non-ASCII bytes stay the same.
inline std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

/// The text with ASCII letters upper-cased, like lowerAscii.
inline std::string upperAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

} // namespace lumivane
