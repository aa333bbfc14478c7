#pragma once

#include <string>

namespace lumivane::test {

/// The raw Ed25519 signature of message under the sample update key of the source tree.
std::string signWithSampleKey(const std::string& message);

/// SHA-256 of bytes as 64 lower-case hex digits.
std::string sha256Hex(const std::string& bytes);

/// The sample key pair's files in the source tree.
std::string sampleKeyPath();
std::string samplePublicKeyPath();

} // namespace lumivane::test
