#include "tools/Updater/UpdateInstaller.h"

#include "online/UpdateCheck.h"
#include "online/WebClient.h"
#include "platform/Error.h"
#include "platform/ProgramFolder.h"
#include "tools/Updater/FileReplacement.h"
#include "tools/Updater/ManifestSignature.h"
#include "tools/Updater/UpdateManifest.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace lumivane {

namespace fs = std::filesystem;

namespace {

constexpr const char* manifestName = "mainappupdate.inf";

// Removes the staging folder however the installation ends.
class StagingFolder {
public:
    explicit StagingFolder(fs::path path)
        : m_path(std::move(path))
    {
        std::error_code error;
        fs::remove_all(m_path, error);
        fs::create_directories(m_path);
    }
    ~StagingFolder()
    {
        std::error_code error;
        fs::remove_all(m_path, error);
    }
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    fs::path m_path;
};

std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool isOwnFolder(const std::string& path)
{
    const auto first = *fs::path(path).begin();
    return first == stagingFolderName || first == backupFolderName;
}

} // namespace

std::string percentEncodePath(const std::string& path)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z')
            || (byte >= '0' && byte <= '9')
            || std::string_view("-._~/").find(c) != std::string_view::npos;
        if (plain) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += digits[byte >> 4];
            encoded += digits[byte & 0x0f];
        }
    }
    return encoded;
}

UpdateInstaller::UpdateInstaller(WebClient& web, Options options)
    : m_web(web)
    , m_options(std::move(options))
{
}

std::string UpdateInstaller::download(
    const std::string& url, const std::string& target, std::uint64_t maxBytes)
{
    fs::create_directories(fs::path(target).parent_path());
    if (!m_web.downloadToFile(url, target, maxBytes))
        throw Error("Could not download " + url + " (it failed, or was over "
            + std::to_string(maxBytes) + " bytes)");
    return target;
}

std::string UpdateInstaller::install(const std::string& baseUrl, const std::string& currentVersion)
{
    const fs::path folder(m_options.programFolder);
    if (fs::exists(fs::symlink_status(folder / backupFolderName)))
        throw Error("Refused: an earlier update did not finish; its old files are kept in "
            + (folder / backupFolderName).string());
    StagingFolder staging(folder / stagingFolderName);
    const auto manifestText = readWholeFile(
        download(baseUrl + manifestName, staging.file(manifestName), maxManifestSize));
    const auto signature = readWholeFile(download(baseUrl + manifestName + ".sig",
        staging.file(std::string(manifestName) + ".sig"), maxSignatureSize));
    if (!verifyManifestSignature(manifestText, signature, m_options.publicKeyPem))
        throw Error(
            "Refused: the signature of mainappupdate.inf does not match this Updater's key");
    const auto manifest = parseUpdateManifest(manifestText);
    if (!(parseVersion(currentVersion) < parseVersion(manifest.version)))
        throw Error(
            "Refused: version " + manifest.version + " is not newer than " + currentVersion);

    std::vector<std::string> paths;
    for (const auto& file : manifest.files) {
        if (isOwnFolder(file.path))
            throw Error("Refused: mainappupdate.inf lists an unsafe path: " + file.path);
        checkTargetInside(m_options.programFolder, file.path);
        const auto staged = download(baseUrl + "files/" + percentEncodePath(file.path),
            staging.file("files/" + file.path), m_options.maxFileSize);
        if (sha256OfFile(staged) != file.sha256)
            throw Error("Refused: " + file.path + " does not match its SHA-256 hash");
        paths.push_back(file.path);
    }
    if (!m_options.waitForProgramExit())
        throw Error("The program is still running; nothing was replaced");
    replaceFiles(m_options.programFolder, staging.file("files"), paths,
        (folder / backupFolderName).string());
    return manifest.version;
}

} // namespace lumivane
