#include "online/CookieJar.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <ctime>

namespace lumivane {
namespace {

struct DateParts {
    int hour = -1, minute = -1, second = -1;
    int day = -1, month = -1, year = -1;
};

bool allDigits(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
}

bool readTime(const std::string& token, DateParts& parts)
{
    int h = 0, m = 0, s = 0;
    char tail = 0;
    if (std::sscanf(token.c_str(), "%2d:%2d:%2d%c", &h, &m, &s, &tail) != 3)
        return false;
    parts.hour = h;
    parts.minute = m;
    parts.second = s;
    return true;
}

int monthOf(const std::string& token)
{
    static constexpr std::array<const char*, 12> names
        = {"jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
    if (token.size() < 3)
        return -1;
    std::string prefix = token.substr(0, 3);
    std::transform(prefix.begin(), prefix.end(), prefix.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (std::size_t i = 0; i < names.size(); ++i)
        if (prefix == names[i])
            return static_cast<int>(i);
    return -1;
}

void readToken(const std::string& token, DateParts& parts)
{
    if (parts.hour < 0 && readTime(token, parts))
        return;
    if (parts.day < 0 && allDigits(token) && token.size() <= 2) {
        parts.day = std::stoi(token);
        return;
    }
    if (parts.month < 0 && monthOf(token) >= 0) {
        parts.month = monthOf(token);
        return;
    }
    if (parts.year < 0 && allDigits(token) && (token.size() == 2 || token.size() == 4)) {
        const int year = std::stoi(token);
        parts.year = token.size() == 4 ? year : (year < 70 ? 2000 + year : 1900 + year);
    }
}

} // namespace

std::optional<std::chrono::system_clock::time_point> parseCookieDate(const std::string& text)
{
    DateParts parts;
    std::string token;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ' ';
        if (std::isalnum(static_cast<unsigned char>(c)) || c == ':') {
            token += c;
        } else if (!token.empty()) {
            readToken(token, parts);
            token.clear();
        }
    }
    if (parts.hour < 0 || parts.day < 1 || parts.day > 31 || parts.month < 0 || parts.year < 1601
        || parts.hour > 23 || parts.minute > 59 || parts.second > 59)
        return std::nullopt;
    std::tm tm {};
    // The clock only reaches from 1678 to 2262; dates before 1970 mean "long ago"
    // and dates after 2200 "far away" just as well.
    tm.tm_year = std::clamp(parts.year, 1970, 2200) - 1900;
    tm.tm_mon = parts.month;
    tm.tm_mday = parts.day;
    tm.tm_hour = parts.hour;
    tm.tm_min = parts.minute;
    tm.tm_sec = parts.second;
    return std::chrono::system_clock::from_time_t(timegm(&tm));
}

} // namespace lumivane
