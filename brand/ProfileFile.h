#pragma once

#include "brand/AesLib.h"

#include <string>
#include <vector>

namespace lumivane {

inline constexpr const char* profileFileName = "dbsettings.dat";
inline constexpr const char* plaintextFileName = "dbsettings.sim";

/// A decrypted profile, loaded as lines.
struct ProfileLines {
    std::vector<std::string> lines;
    DecryptResult result = DecryptResult::Success;
};

/// Decrypts the container at datPath into the plaintext file simPath, loads it as lines and
/// deletes simPath, also when decrypting or loading fails. Raises lumivane::Error on a read or
/// write error.
ProfileLines readProfileLines(const std::string& datPath, const std::string& simPath);

/// Loads a plaintext profile file as lines. Raises lumivane::Error when it cannot be read.
std::vector<std::string> loadPlaintextLines(const std::string& path);

/// Writes the lines, each followed by CR LF. Raises lumivane::Error when that fails.
void savePlaintextLines(const std::string& path, const std::vector<std::string>& lines);

/// The lines with the LastNewsId line set: the first line holding the open tag in exactly its
/// letter case is replaced as a whole, else the line is appended.
std::vector<std::string> withLastNewsId(std::vector<std::string> lines, const std::string& value);

} // namespace lumivane
