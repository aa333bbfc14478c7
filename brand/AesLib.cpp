#include "brand/AesLib.h"

#include <openssl/core_names.h>
#include <openssl/evp.h>

#include <algorithm>
#include <istream>
#include <ostream>
#include <stdexcept>

namespace lumivane {

namespace {

constexpr int pbkdf2Iterations = 1000;
constexpr std::size_t blockSize = 16;
// Key stream made per bulk step; a fixed size, so memory stays flat for any file.
constexpr std::size_t bulkBlocks = 256;

struct CipherContextFree {
    void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
struct MacContextFree {
    void operator()(EVP_MAC_CTX* context) const { EVP_MAC_CTX_free(context); }
};
struct MacFree {
    void operator()(EVP_MAC* mac) const { EVP_MAC_free(mac); }
};

const EVP_CIPHER* ecbCipher(int mode)
{
    switch (mode) {
    case 1:
        return EVP_aes_128_ecb();
    case 2:
        return EVP_aes_192_ecb();
    default:
        return EVP_aes_256_ecb();
    }
}

int modeForPassword(std::size_t length)
{
    if (length < 32) {
        return 1;
    }
    return length < 48 ? 2 : 3;
}

void incrementCounter(unsigned char* counter)
{
    for (int i = 0; i < 8; ++i) {
        if (++counter[i] != 0) {
            return;
        }
    }
}

} // namespace

struct TCrypt::CipherState {
    std::array<unsigned char, blockSize> counter {};
    std::array<unsigned char, blockSize> keyStream {};
    std::size_t position = blockSize;
    std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree> aes;
    std::unique_ptr<EVP_MAC_CTX, MacContextFree> hmac;
    std::array<unsigned char, bulkBlocks * blockSize> bulk {};
};

TCrypt::TCrypt(std::string password, std::int32_t bufferSize)
    : m_mode(modeForPassword(password.size()))
    , m_password(std::move(password))
    , m_state(std::make_unique<CipherState>())
{
    if (bufferSize < 1) {
        throw std::invalid_argument("cipher work buffer must hold at least one byte");
    }
    m_buffer.resize(static_cast<std::size_t>(bufferSize));
}

TCrypt::~TCrypt() = default;

int TCrypt::setUpKeys(const unsigned char* salt)
{
    if (m_password.size() > maxPasswordLength) {
        return -100;
    }
    const std::size_t keyBytes = keyLength();
    std::vector<unsigned char> derived(2 * keyBytes + verifierLength);
    const bool derivedOk
        = PKCS5_PBKDF2_HMAC_SHA1(m_password.data(), static_cast<int>(m_password.size()), salt,
              static_cast<int>(saltLength()), pbkdf2Iterations, static_cast<int>(derived.size()),
              derived.data())
        == 1;
    std::copy_n(derived.end() - verifierLength, verifierLength, m_verifier.begin());

    m_state->counter.fill(0);
    m_state->position = blockSize;
    m_state->aes.reset(EVP_CIPHER_CTX_new());
    std::unique_ptr<EVP_MAC, MacFree> mac(EVP_MAC_fetch(nullptr, "HMAC", nullptr));
    m_state->hmac.reset(mac ? EVP_MAC_CTX_new(mac.get()) : nullptr);
    char digest[] = "SHA1";
    const OSSL_PARAM params[] = {
        OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_DIGEST, digest, 0),
        OSSL_PARAM_construct_end(),
    };
    const bool ready = derivedOk && m_state->aes && m_state->hmac
        && EVP_EncryptInit_ex(
               m_state->aes.get(), ecbCipher(m_mode), nullptr, derived.data(), nullptr)
            == 1
        && EVP_CIPHER_CTX_set_padding(m_state->aes.get(), 0) == 1
        && EVP_MAC_init(m_state->hmac.get(), derived.data() + keyBytes, keyBytes, params) == 1;
    if (!ready) {
        throw std::runtime_error("OpenSSL could not set up the container cipher");
    }
    return 0;
}

void TCrypt::nextKeyStreamBlock()
{
    incrementCounter(m_state->counter.data());
    int written = 0;
    EVP_EncryptUpdate(m_state->aes.get(), m_state->keyStream.data(), &written,
        m_state->counter.data(), static_cast<int>(blockSize));
    m_state->position = 0;
}

void TCrypt::bulkTransform(unsigned char* data, std::size_t blocks)
{
    unsigned char* stream = m_state->bulk.data();
    for (std::size_t b = 0; b < blocks; ++b) {
        incrementCounter(m_state->counter.data());
        std::copy(m_state->counter.begin(), m_state->counter.end(), stream + b * blockSize);
    }
    int written = 0;
    EVP_EncryptUpdate(
        m_state->aes.get(), stream, &written, stream, static_cast<int>(blocks * blockSize));
    for (std::size_t i = 0; i < blocks * blockSize; ++i) {
        data[i] ^= stream[i];
    }
    std::copy_n(stream + (blocks - 1) * blockSize, blockSize, m_state->keyStream.begin());
    m_state->position = blockSize;
}

void TCrypt::transform(unsigned char* data, std::size_t n)
{
    std::size_t i = 0;
    while (i < n) {
        if (m_state->position == blockSize && n - i >= blockSize) {
            const std::size_t blocks = std::min(bulkBlocks, (n - i) / blockSize);
            bulkTransform(data + i, blocks);
            i += blocks * blockSize;
            continue;
        }
        if (m_state->position == blockSize) {
            nextKeyStreamBlock();
        }
        data[i++] ^= m_state->keyStream[m_state->position++];
    }
}

void TCrypt::authenticate(const unsigned char* data, std::size_t n)
{
    EVP_MAC_update(m_state->hmac.get(), data, n);
}

void TCrypt::encryptChunk(unsigned char* data, std::size_t n)
{
    transform(data, n);
    authenticate(data, n);
}

void TCrypt::decryptChunk(unsigned char* data, std::size_t n)
{
    authenticate(data, n);
    transform(data, n);
}

std::array<unsigned char, TCrypt::codeLength> TCrypt::finishCode()
{
    unsigned char full[EVP_MAX_MD_SIZE];
    std::size_t length = 0;
    EVP_MAC_final(m_state->hmac.get(), full, &length, sizeof full);
    std::array<unsigned char, codeLength> code {};
    std::copy_n(full, codeLength, code.begin());
    return code;
}

DecryptResult TCrypt::DecryptStream(
    std::istream& source, std::ostream& destination, std::int64_t size)
{
    const auto overhead = static_cast<std::int64_t>(saltLength() + verifierLength + codeLength);
    if (size < overhead) {
        return DecryptResult::TooShort;
    }
    std::vector<unsigned char> salt(saltLength());
    std::array<unsigned char, verifierLength> stored {};
    if (!source.read(reinterpret_cast<char*>(salt.data()), salt.size())) {
        return DecryptResult::ReadError;
    }
    if (setUpKeys(salt.data()) != 0) {
        return DecryptResult::SetupFailed;
    }
    if (!source.read(reinterpret_cast<char*>(stored.data()), stored.size())) {
        return DecryptResult::ReadError;
    }
    if (stored != m_verifier) {
        return DecryptResult::WrongPassword;
    }
    for (std::int64_t remaining = size - overhead; remaining > 0;) {
        const auto chunk = static_cast<std::size_t>(
            std::min<std::int64_t>(remaining, static_cast<std::int64_t>(m_buffer.size())));
        source.read(reinterpret_cast<char*>(m_buffer.data()), static_cast<std::streamsize>(chunk));
        const auto n = static_cast<std::size_t>(source.gcount());
        // A file that shrank under us ends early: an error, not an endless loop.
        if (source.bad() || n == 0) {
            return DecryptResult::ReadError;
        }
        decryptChunk(m_buffer.data(), n);
        if (!destination.write(
                reinterpret_cast<const char*>(m_buffer.data()), static_cast<std::streamsize>(n))) {
            return DecryptResult::WriteError;
        }
        remaining -= static_cast<std::int64_t>(n);
    }
    std::array<unsigned char, codeLength> code {};
    if (!source.read(reinterpret_cast<char*>(code.data()), code.size())) {
        return DecryptResult::ReadError;
    }
    return code == finishCode() ? DecryptResult::Success : DecryptResult::AuthenticationFailed;
}

} // namespace lumivane
