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

/// Whether two texts are equal when ASCII letters are compared without regard to case.
inline bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto fold
        = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
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
