#pragma once

#include <string>

namespace lumivane {

/// The vendor's Ed25519 public key (PEM) built into this Updater.
const std::string& builtInUpdatePublicKey();

/// True when signature is the raw 64-byte Ed25519 signature of message under the PEM public
/// key. A key that does not read as Ed25519 verifies nothing.
bool verifyManifestSignature(
    const std::string& message, const std::string& signature, const std::string& publicKeyPem);

/// SHA-256 of a file's contents as 64 lower-case hex digits; empty when it cannot be read.
std::string sha256OfFile(const std::string& path);

} // namespace lumivane
