#include "platform/IniFile.h"

#include "platform/AsciiCase.h"
#include "platform/Error.h"
#include "platform/TrimBlanks.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

namespace lumivane {

namespace {

constexpr std::size_t maxValueLength = 2047;

std::vector<std::string> readLines(std::istream& in)
{
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> readLines(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return readLines(in);
}

// Lines to rewrite: a file that exists but cannot be read fails the write, so
// its other lines are never replaced by ours alone.
std::vector<std::string> readLinesForWriting(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return {};
    std::ifstream in(path, std::ios::binary);
    auto lines = readLines(in);
    if (!in.is_open() || in.bad())
        throw Error("Unable to write to " + path);
    return lines;
}

// "[name]" gives name; any other line gives nothing.
std::optional<std::string_view> sectionName(std::string_view line)
{
    line = trimBlanks(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimBlanks(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return KeyLine {trimBlanks(line.substr(0, equals)), trimBlanks(line.substr(equals + 1))};
}

struct Position {
    std::optional<std::size_t> section;
    std::optional<std::size_t> key;
    std::size_t sectionEnd = 0; // one past the last non-blank line of the section
};

Position locate(
    const std::vector<std::string>& lines, std::string_view section, std::string_view key)
{
    Position found;
    bool inside = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (inside)
                break;
            inside = equalsIgnoringAsciiCase(*name, section);
            if (inside) {
                found.section = i;
                found.sectionEnd = i + 1;
            }
            continue;
        }
        if (!inside)
            continue;
        if (!trimBlanks(lines[i]).empty())
            found.sectionEnd = i + 1;
        const auto entry = keyLine(lines[i]);
        if (!found.key && entry && equalsIgnoringAsciiCase(entry->key, key))
            found.key = i;
    }
    return found;
}

void writeLines(const std::string& path, const std::vector<std::string>& lines)
{
    // A whole new file renamed over the old one: a failed write loses nothing.
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const auto& line : lines)
            out << line << "\r\n";
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            throw Error("Unable to write to " + path);
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw Error("Unable to write to " + path);
    }
}

} // namespace

IniFile::IniFile(std::string path)
    : m_path(std::move(path))
{
}

std::string IniFile::readString(
    std::string_view section, std::string_view key, const std::string& fallback) const
{
    const auto lines = readLines(m_path);
    const auto found = locate(lines, section, key);
    if (!found.key)
        return fallback;
    const auto value = keyLine(lines[*found.key])->value;
    return std::string(value.substr(0, maxValueLength));
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const
{
    const auto text = readString(section, key, {});
    return parseIniInteger(text).value_or(fallback);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    auto lines = readLinesForWriting(m_path);
    const auto found = locate(lines, section, key);
    std::string line = std::string(key) + "=" + std::string(value);
    if (found.key) {
        lines[*found.key] = std::move(line);
    } else if (found.section) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(found.sectionEnd), line);
    } else {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(std::move(line));
    }
    writeLines(m_path, lines);
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value)
{
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

std::optional<int> parseIniInteger(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("$")) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;

    long long value = 0;
    for (const char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace lumivane
