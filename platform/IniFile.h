#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumivane {

/// A Windows-style INI file: section and key names match without regard to
/// case, values are trimmed and read up to 2047 characters, writing a key
/// replaces its line in place (or adds it) and keeps every other line.
/// Every read opens the file again, as the Windows INI functions do.
class IniFile {
public:
    explicit IniFile(std::string path);

    const std::string& path() const { return m_path; }

    std::string readString(
        std::string_view section, std::string_view key, const std::string& fallback) const;
    /// Decimal, or hexadecimal after "0x", "0X" or "$"; anything else gives the fallback.
    int readInteger(std::string_view section, std::string_view key, int fallback) const;
    /// An integer that is true when not 0.
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;

    /// Raises "Unable to write to <path>" when the file cannot be written.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);

private:
    std::string m_path;
};

/// The integer rule of the INI reader, on its own for tests and other readers.
std::optional<int> parseIniInteger(std::string_view text);

} // namespace lumivane
