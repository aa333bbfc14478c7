#include "brand/ContainerFiles.h"

#include "platform/Error.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace lumivane {

namespace {

std::string quoted(const std::string& path, const char* reason)
{
    return "\"" + path + "\". " + reason;
}

std::ifstream openSource(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw Error("Cannot open file " + quoted(path, std::strerror(errno)));
    }
    return file;
}

std::ofstream createTarget(const std::string& path)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        throw Error("Cannot create file " + quoted(path, std::strerror(errno)));
    }
    return file;
}

std::int64_t fileLength(std::ifstream& file, const std::string& path)
{
    file.seekg(0, std::ios::end);
    const std::streamoff length = file.tellg();
    file.seekg(0, std::ios::beg);
    if (length < 0 || !file) {
        throw Error("Cannot read file " + quoted(path, "Its length is unknown."));
    }
    return length;
}

[[noreturn]] void failAndRemove(
    std::ofstream& target, const std::string& targetPath, const std::string& message)
{
    target.close();
    std::error_code ignored;
    std::filesystem::remove(targetPath, ignored);
    throw Error(message);
}

} // namespace

DecryptResult decryptFile(const std::string& source, const std::string& target)
{
    std::ifstream in = openSource(source);
    const std::int64_t length = fileLength(in, source);
    std::ofstream out = createTarget(target);
    TEncryption cipher(builtInPassword, containerBufferSize);
    const DecryptResult result = cipher.DecryptStream(in, out, length);
    if (result == DecryptResult::ReadError) {
        failAndRemove(out, target,
            "Error reading file " + quoted(source, "The file is damaged or changed while read."));
    }
    out.close();
    if (result == DecryptResult::WriteError || !out) {
        failAndRemove(out, target, "Error writing file " + quoted(target, std::strerror(errno)));
    }
    return result;
}

bool DecryptFileToFile(const std::string& source, const std::string& target)
{
    return decryptFile(source, target) == DecryptResult::Success;
}

void EncryptFileToFile(const std::string& source, const std::string& target)
{
    std::ifstream in = openSource(source);
    std::ofstream out = createTarget(target);
    TEncryption cipher(builtInPassword, containerBufferSize);
    const bool written = cipher.EncryptStream(in, out);
    if (in.bad()) {
        failAndRemove(out, target, "Error reading file " + quoted(source, std::strerror(errno)));
    }
    out.close();
    if (!written || !out) {
        failAndRemove(out, target, "Error writing file " + quoted(target, std::strerror(errno)));
    }
}

void replaceWithEncryptedFile(const std::string& source, const std::string& target)
{
    const std::string part = target + ".part";
    EncryptFileToFile(source, part);
    std::error_code error;
    std::filesystem::rename(part, target, error);
    if (error) {
        const std::string reason = error.message();
        std::filesystem::remove(part, error);
        throw Error("Cannot create file " + quoted(target, reason.c_str()));
    }
}

std::string describeDecryptResult(DecryptResult result)
{
    switch (result) {
    case DecryptResult::Success:
        return "password and authentication checks passed";
    case DecryptResult::WrongPassword:
        return "password check failed: wrong password or damaged header, nothing decrypted";
    case DecryptResult::AuthenticationFailed:
        return "authentication check failed: the data is damaged or was altered";
    case DecryptResult::TooShort:
        return "too short to be a container, nothing decrypted";
    case DecryptResult::ReadError:
        return "read error";
    case DecryptResult::WriteError:
        return "write error";
    case DecryptResult::SetupFailed:
        return "password longer than 128 bytes";
    }
    return "unknown result";
}

} // namespace lumivane
