#include "brand/ProfileFile.h"

#include "brand/BrandProfile.h"
#include "brand/ContainerFiles.h"
#include "brand/ProfileTags.h"
#include "brand/ProfileText.h"
#include "platform/Error.h"
#include "platform/ProgramFolder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace lumivane {

namespace {

/// Removes a file when it goes out of scope, whatever happened meanwhile.
class RemoveOnExit {
public:
    explicit RemoveOnExit(std::string path)
        : m_path(std::move(path))
    {
    }
    ~RemoveOnExit()
    {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    RemoveOnExit(const RemoveOnExit&) = delete;
    RemoveOnExit& operator=(const RemoveOnExit&) = delete;

private:
    std::string m_path;
};

bool profileExists(const std::string& datPath)
{
    std::error_code ignored;
    return std::filesystem::exists(datPath, ignored);
}

bool isVerified(DecryptResult result)
{
    return result == DecryptResult::Success || result == DecryptResult::AuthenticationFailed;
}

} // namespace

std::vector<std::string> loadPlaintextLines(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string text;
    char chunk[65536];
    // Nothing after the first NUL is ever used, so reading stops there.
    while (file && text.find('\0') == std::string::npos) {
        file.read(chunk, sizeof chunk);
        text.append(chunk, static_cast<std::size_t>(file.gcount()));
    }
    if (file.bad() || (!file && !file.eof())) {
        throw Error("Cannot read file \"" + path + "\". " + std::strerror(errno));
    }
    return splitProfileLines(text);
}

void savePlaintextLines(const std::string& path, const std::vector<std::string>& lines)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << joinProfileLines(lines);
    file.close();
    if (!file) {
        throw Error("Cannot write file \"" + path + "\". " + std::strerror(errno));
    }
}

ProfileLines readProfileLines(const std::string& datPath, const std::string& simPath)
{
    RemoveOnExit plaintext(simPath);
    ProfileLines profile;
    profile.result = decryptFile(datPath, simPath);
    profile.lines = loadPlaintextLines(simPath);
    return profile;
}

std::vector<std::string> withLastNewsId(std::vector<std::string> lines, const std::string& value)
{
    const std::string open = openTag(lastNewsIdTag);
    std::string line = open + value + closeTag(lastNewsIdTag);
    for (std::string& existing : lines) {
        if (existing.find(open) != std::string::npos) {
            existing = std::move(line);
            return lines;
        }
    }
    lines.push_back(std::move(line));
    return lines;
}

std::optional<BrandProfile> LoadBrandProfileRecord(const std::string& programFolder)
{
    const std::string datPath = joinPath(programFolder, profileFileName);
    if (!profileExists(datPath)) {
        return std::nullopt;
    }
    const ProfileLines profile
        = readProfileLines(datPath, joinPath(programFolder, plaintextFileName));
    return readBrandProfileText(joinProfileLines(profile.lines));
}

std::string ReadLastNewsId(const std::string& programFolder)
{
    const std::string datPath = joinPath(programFolder, profileFileName);
    if (!profileExists(datPath)) {
        return {};
    }
    const ProfileLines profile
        = readProfileLines(datPath, joinPath(programFolder, plaintextFileName));
    RemainingText text(joinProfileLines(profile.lines));
    return text.extract(openTag(lastNewsIdTag), closeTag(lastNewsIdTag));
}

bool WriteLastNewsId(const std::string& programFolder, const std::string& value)
{
    const std::string datPath = joinPath(programFolder, profileFileName);
    if (!profileExists(datPath)) {
        return false;
    }
    const std::string simPath = joinPath(programFolder, plaintextFileName);
    ProfileLines profile = readProfileLines(datPath, simPath);
    // Rewriting an unverifiable profile would replace it by the single LastNewsId line.
    if (!isVerified(profile.result)) {
        return false;
    }
    RemoveOnExit plaintext(simPath);
    savePlaintextLines(simPath, withLastNewsId(std::move(profile.lines), value));
    replaceWithEncryptedFile(simPath, datPath);
    return true;
}

} // namespace lumivane
