#include "tools/Updater/UpdateManifest.h"

#include "platform/AsciiCase.h"
#include "platform/Error.h"
#include "platform/TrimBlanks.h"

#include <algorithm>
#include <set>

namespace lumivane {

namespace {

bool isSha256Hex(std::string_view text)
{
    return text.size() == 64 && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    });
}

class ManifestReader {
public:
    void line(std::string_view text)
    {
        text = trimBlanks(text);
        if (text.empty() || text.front() == ';')
            return;
        if (text.front() == '[') {
            const auto close = text.find(']');
            m_section
                = close == std::string_view::npos ? "" : trimBlanks(text.substr(1, close - 1));
            return;
        }
        const auto equals = text.find('=');
        if (equals == std::string_view::npos)
            return;
        const auto key = trimBlanks(text.substr(0, equals));
        const auto value = trimBlanks(text.substr(equals + 1));
        if (equalsIgnoringAsciiCase(m_section, "APPLICATION")
            && equalsIgnoringAsciiCase(key, "Version"))
            m_manifest.version = std::string(value);
        else if (equalsIgnoringAsciiCase(m_section, "FILES"))
            file(key, value);
    }

    UpdateManifest finish()
    {
        if (m_manifest.version.empty())
            throw Error("mainappupdate.inf names no version");
        if (m_manifest.files.empty())
            throw Error("mainappupdate.inf lists no file");
        return std::move(m_manifest);
    }

private:
    void file(std::string_view path, std::string_view hash)
    {
        const std::string name(path);
        if (!isSafeRelativePath(path))
            throw Error("mainappupdate.inf lists an unsafe path: " + name);
        if (!isSha256Hex(hash))
            throw Error("mainappupdate.inf has no SHA-256 hash for " + name);
        if (!m_paths.insert(name).second)
            throw Error("mainappupdate.inf lists a path twice: " + name);
        m_manifest.files.push_back({name, lowerAscii(hash)});
    }

    std::string_view m_section;
    UpdateManifest m_manifest;
    std::set<std::string> m_paths;
};

} // namespace

bool isSafeRelativePath(std::string_view path)
{
    if (path.empty() || path.front() == '/')
        return false;
    if (std::any_of(path.begin(), path.end(),
            [](char c) { return c == '\\' || static_cast<unsigned char>(c) < 0x20; }))
        return false;
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto slash = std::min(path.find('/', start), path.size());
        const auto part = path.substr(start, slash - start);
        if (part.empty() || part == "." || part == "..")
            return false;
        start = slash + 1;
    }
    return true;
}

UpdateManifest parseUpdateManifest(std::string_view text)
{
    if (text.size() > maxManifestSize)
        throw Error("mainappupdate.inf is too large");
    ManifestReader reader;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = std::min(text.find('\n', start), text.size());
        reader.line(text.substr(start, end - start));
        start = end + 1;
    }
    return reader.finish();
}

} // namespace lumivane
