#include "tools/Updater/ManifestSignature.h"

#include "tools/Updater/UpdatePublicKey.h"

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

#include <array>
#include <fstream>
#include <memory>

namespace lumivane {

namespace {

struct BioFree {
    void operator()(BIO* bio) const { BIO_free(bio); }
};
struct KeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct DigestFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

std::unique_ptr<EVP_PKEY, KeyFree> readPublicKey(const std::string& pem)
{
    std::unique_ptr<BIO, BioFree> bio(BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())));
    if (!bio)
        return nullptr;
    std::unique_ptr<EVP_PKEY, KeyFree> key(
        PEM_read_bio_PUBKEY(bio.get(), nullptr, nullptr, nullptr));
    if (!key || EVP_PKEY_get_id(key.get()) != EVP_PKEY_ED25519)
        return nullptr;
    return key;
}

std::string toHex(const unsigned char* bytes, unsigned length)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned i = 0; i < length; ++i) {
        hex += digits[bytes[i] >> 4];
        hex += digits[bytes[i] & 0x0f];
    }
    return hex;
}

} // namespace

const std::string& builtInUpdatePublicKey()
{
    static const std::string key = updatePublicKeyPem;
    return key;
}

bool verifyManifestSignature(
    const std::string& message, const std::string& signature, const std::string& publicKeyPem)
{
    constexpr std::size_t ed25519SignatureSize = 64;
    if (signature.size() != ed25519SignatureSize)
        return false;
    const auto key = readPublicKey(publicKeyPem);
    std::unique_ptr<EVP_MD_CTX, DigestFree> context(EVP_MD_CTX_new());
    if (!key || !context
        || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return false;
    return EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char*>(signature.data()),
               signature.size(), reinterpret_cast<const unsigned char*>(message.data()),
               message.size())
        == 1;
}

std::string sha256OfFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::unique_ptr<EVP_MD_CTX, DigestFree> context(EVP_MD_CTX_new());
    if (!in || !context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1)
        return {};
    std::array<char, 65536> buffer;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
        if (EVP_DigestUpdate(context.get(), buffer.data(), static_cast<std::size_t>(in.gcount()))
            != 1)
            return {};
    }
    if (in.bad())
        return {};
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest;
    unsigned length = 0;
    if (EVP_DigestFinal_ex(context.get(), digest.data(), &length) != 1)
        return {};
    return toHex(digest.data(), length);
}

} // namespace lumivane
