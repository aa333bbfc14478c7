// The salt generator and the writing half of the container cipher.
#include "brand/AesLib.h"

// The salt generator needs the bare SHA-1 compression function, which only the low-level
// (deprecated) SHA-1 interface exposes.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/sha.h>

#include <algorithm>
#include <istream>
#include <ostream>

namespace lumivane {

namespace {

constexpr std::size_t digestLength = 20;
constexpr std::size_t messageLength = 64;

std::uint32_t loadLittleEndian(const unsigned char* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8
        | static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void storeLittleEndian(std::uint32_t value, unsigned char* bytes)
{
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

} // namespace

TEncryption::TEncryption(std::string password, std::int32_t bufferSize, EntropySource entropy)
    : TCrypt(std::move(password), bufferSize)
    , m_entropy(std::move(entropy))
{
    refill();
    for (int i = 0; i < 20; ++i) {
        mix(m_pool);
    }
    refill();
}

void TEncryption::mix(std::array<unsigned char, poolSize>& bytes)
{
    for (std::size_t i = 0; i < poolSize; i += digestLength) {
        const std::size_t chainAt = (i + poolSize - digestLength) % poolSize;
        SHA_CTX context {};
        SHA_LONG* words[5] = {&context.h0, &context.h1, &context.h2, &context.h3, &context.h4};
        for (std::size_t w = 0; w < 5; ++w) {
            *words[w] = loadLittleEndian(bytes.data() + chainAt + 4 * w);
        }
        unsigned char message[messageLength];
        for (std::size_t m = 0; m < messageLength; ++m) {
            message[m] = bytes[(i + m) % poolSize];
        }
        SHA1_Transform(&context, message);
        for (std::size_t w = 0; w < 5; ++w) {
            storeLittleEndian(*words[w], bytes.data() + i + 4 * w);
        }
    }
}

void TEncryption::refill()
{
    m_output = m_pool;
    std::size_t filled = 0;
    while (filled < poolSize) {
        const std::size_t n = m_entropy(m_pool.data() + filled, poolSize - filled);
        // A source that gives nothing would loop forever; the rest stays zero instead.
        if (n == 0) {
            std::fill(m_pool.begin() + static_cast<std::ptrdiff_t>(filled), m_pool.end(), 0);
            break;
        }
        filled += std::min(n, poolSize - filled);
    }
    for (std::size_t i = 0; i < poolSize; ++i) {
        m_pool[i] ^= static_cast<unsigned char>(~m_output[i]);
    }
    mix(m_pool);
    mix(m_output);
    m_position = 0;
}

void TEncryption::drawSalt(unsigned char* out, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = m_output[m_position++];
        if (m_position == poolSize) {
            refill();
        }
    }
}

bool TEncryption::EncryptStream(std::istream& source, std::ostream& destination)
{
    std::vector<unsigned char> salt(saltLength());
    drawSalt(salt.data(), salt.size());
    if (setUpKeys(salt.data()) != 0) {
        return false;
    }
    destination.write(
        reinterpret_cast<const char*>(salt.data()), static_cast<std::streamsize>(salt.size()));
    destination.write(reinterpret_cast<const char*>(verifier().data()), verifierLength);
    const auto capacity = static_cast<std::streamsize>(bufferSize());
    for (;;) {
        source.read(reinterpret_cast<char*>(buffer()), capacity);
        const std::streamsize n = source.gcount();
        if (source.bad()) {
            return false;
        }
        encryptChunk(buffer(), static_cast<std::size_t>(n));
        if (!destination.write(reinterpret_cast<const char*>(buffer()), n)) {
            return false;
        }
        if (n < capacity) {
            break;
        }
    }
    const auto code = finishCode();
    destination.write(reinterpret_cast<const char*>(code.data()), codeLength);
    return static_cast<bool>(destination);
}

} // namespace lumivane
