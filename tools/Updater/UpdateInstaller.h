#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace lumivane {

class WebClient;

/// Download limits, so a server or a party on the way cannot fill the disk with data that
/// is checked only after it arrived. A raw Ed25519 signature is 64 bytes.
inline constexpr std::uint64_t maxSignatureSize = 1024;
inline constexpr std::uint64_t defaultMaxUpdateFileSize = 512ULL * 1024 * 1024;

/// Installs the version an update folder offers into the program folder. It trusts nothing it
/// downloads until the manifest's signature and every file's hash are verified, and it writes
/// only below the program folder.
class UpdateInstaller {
public:
    struct Options {
        std::string programFolder;
        /// The Ed25519 public key (PEM) the manifest must be signed with.
        std::string publicKeyPem;
        /// Waits for the main program to end; false when it is still running.
        std::function<bool()> waitForProgramExit;
        /// The largest file the update may bring.
        std::uint64_t maxFileSize = defaultMaxUpdateFileSize;
    };

    UpdateInstaller(WebClient& web, Options options);

    /// Downloads baseUrl + "mainappupdate.inf", its ".sig" and every listed file (from
    /// baseUrl + "files/" + path) into a staging folder, verifies them, waits for the program
    /// to end and replaces the files. Returns the version installed. Raises lumivane::Error
    /// saying why on refusal or failure; the program folder is then as it was.
    std::string install(const std::string& baseUrl, const std::string& currentVersion);

private:
    std::string download(const std::string& url, const std::string& target, std::uint64_t maxBytes);
    std::string fetchVerifiedManifest(const std::string& baseUrl);

    WebClient& m_web;
    Options m_options;
};

/// The folders the Updater keeps its work in, below the program folder.
inline constexpr const char* stagingFolderName = ".update-staging";
inline constexpr const char* backupFolderName = ".update-backup";

/// A relative path made fit for a URL: bytes other than letters, digits, "-._~/" become %XX.
std::string percentEncodePath(const std::string& path);

} // namespace lumivane
