#pragma once

#include "brand/AesLib.h"

#include <string>

namespace lumivane {

/// The password every container of the program is written and read with.
inline constexpr const char* builtInPassword = "qmxvtrowzp";
/// The cipher's work buffer: files pass through it chunk by chunk.
inline constexpr std::int32_t containerBufferSize = 0x40000;

/// Decrypts the container file source into target (created or truncated). A container that
/// fails the password check or is too short leaves target empty; one that fails only the
/// authentication check leaves everything decrypted in target. Raises lumivane::Error when
/// source cannot be opened, target cannot be created, or reading or writing fails midway; the
/// half-written target is then removed.
DecryptResult decryptFile(const std::string& source, const std::string& target);

/// decryptFile, true when both the password and the authentication check passed.
bool DecryptFileToFile(const std::string& source, const std::string& target);

/// Encrypts the file source into the container file target (created or truncated) with a
/// fresh salt. Raises lumivane::Error when a file cannot be opened or created, or reading or
/// writing fails; the incomplete target is then removed.
void EncryptFileToFile(const std::string& source, const std::string& target);

/// EncryptFileToFile into target + ".part", renamed over target when complete, so target is
/// either the old or the new container, never a broken one. Raises like EncryptFileToFile.
void replaceWithEncryptedFile(const std::string& source, const std::string& target);

/// One line for a user: what a decryption result means.
std::string describeDecryptResult(DecryptResult result);

} // namespace lumivane
