#pragma once

#include "platform/Entropy.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace lumivane {

/// Fills up to n bytes of buffer and returns how many it filled.
using EntropySource = std::function<std::size_t(unsigned char* buffer, std::size_t n)>;

/// How reading a container ended.
enum class DecryptResult {
    Success,
    WrongPassword, ///< verification value differs; nothing was written
    AuthenticationFailed, ///< every decrypted byte was written, but the code differs
    TooShort, ///< smaller than salt + verification value + code; nothing was read
    ReadError,
    WriteError,
    SetupFailed, ///< the password is longer than 128 bytes
};

/// The container cipher: WinZip AES (AE-2) entry data without ZIP headers. Salt, 2-byte
/// password verification value, AES-CTR ciphertext (little-endian 64-bit counter in the first
/// 8 bytes of the block), first 10 bytes of HMAC-SHA1 over the ciphertext. Keys come from
/// PBKDF2-HMAC-SHA1 with 1000 iterations. One object serves one file operation.
class TCrypt {
public:
    static constexpr std::size_t codeLength = 10;
    static constexpr std::size_t verifierLength = 2;
    static constexpr std::size_t maxPasswordLength = 128;

    /// mode 1, 2 or 3 (AES-128, -192, -256) from the password length: under 32, under 48, more.
    TCrypt(std::string password, std::int32_t bufferSize);
    virtual ~TCrypt();
    TCrypt(const TCrypt&) = delete;
    TCrypt& operator=(const TCrypt&) = delete;

    int mode() const { return m_mode; }
    std::size_t keyLength() const { return 8 * m_mode + 8; }
    std::size_t saltLength() const { return 4 * m_mode + 4; }
    std::size_t bufferSize() const { return m_buffer.size(); }

    /// Reads a container of size bytes from source and writes the plaintext to destination,
    /// chunk by chunk through the one work buffer.
    DecryptResult DecryptStream(std::istream& source, std::ostream& destination, std::int64_t size);

protected:
    /// Derives the keys from the salt and starts counter and HMAC: 0, or -100 when the
    /// password is too long.
    int setUpKeys(const unsigned char* salt);
    const std::array<unsigned char, verifierLength>& verifier() const { return m_verifier; }
    void encryptChunk(unsigned char* data, std::size_t n);
    void decryptChunk(unsigned char* data, std::size_t n);
    std::array<unsigned char, codeLength> finishCode();
    unsigned char* buffer() { return m_buffer.data(); }

private:
    struct CipherState;

    void transform(unsigned char* data, std::size_t n);
    void nextKeyStreamBlock();
    void bulkTransform(unsigned char* data, std::size_t blocks);
    void authenticate(const unsigned char* data, std::size_t n);

    int m_mode;
    std::string m_password;
    std::vector<unsigned char> m_buffer;
    std::array<unsigned char, verifierLength> m_verifier {};
    std::unique_ptr<CipherState> m_state;
};

/// The cipher with the salt generator: a 260-byte pool stirred with the SHA-1 compression
/// function and refilled from the entropy source.
class TEncryption : public TCrypt {
public:
    static constexpr std::size_t poolSize = 260;

    TEncryption(
        std::string password, std::int32_t bufferSize, EntropySource entropy = fillPlatformEntropy);

    /// Writes a complete container from the source's current position to its end. False on a
    /// read or write error, in which case no authentication code is written.
    bool EncryptStream(std::istream& source, std::ostream& destination);

    /// The next n bytes of the salt generator.
    void drawSalt(unsigned char* out, std::size_t n);

    /// Stirs a 260-byte buffer: 13 SHA-1 compressions, each chained on the 20 bytes before it.
    static void mix(std::array<unsigned char, poolSize>& bytes);

private:
    void refill();

    std::array<unsigned char, poolSize> m_pool {};
    std::array<unsigned char, poolSize> m_output {};
    std::size_t m_position = 0;
    EntropySource m_entropy;
};

} // namespace lumivane
