#pragma once

#include <optional>
#include <string>

namespace lumivane::test {

/// The raw data of the first local entry of a ZIP file: for a WinZip AES entry stored without
/// compression, salt, verification value, ciphertext and authentication code.
std::optional<std::string> firstZipEntryData(const std::string& zip);

/// A ZIP file holding one WinZip AES-128 (AE-2) entry stored without compression, whose
/// encrypted data is the given container.
std::string zipWithAesEntry(
    const std::string& name, const std::string& container, std::size_t plainSize);

} // namespace lumivane::test
