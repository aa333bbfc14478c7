#include "tests/online/UpdaterSigning.h"

#include "tests/support/TempDir.h"

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace lumivane::test {

namespace {

std::string sourcePath(const std::string& relative)
{
    const char* root = std::getenv("LUMIVANE_SOURCE_DIR");
    return std::string(root ? root : ".") + "/" + relative;
}

} // namespace

std::string sampleKeyPath()
{
    return sourcePath("tools/Updater/sample-keys/update-signing-sample.pem");
}

std::string samplePublicKeyPath()
{
    return sourcePath("tools/Updater/sample-keys/update-signing-sample.pub.pem");
}

std::string signWithSampleKey(const std::string& message)
{
    const auto pem = readFile(sampleKeyPath());
    std::unique_ptr<BIO, decltype(&BIO_free)> bio(
        BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())), BIO_free);
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
        PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr), EVP_PKEY_free);
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(
        EVP_MD_CTX_new(), EVP_MD_CTX_free);
    std::string signature(64, '\0');
    std::size_t length = signature.size();
    if (!key || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1
        || EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(signature.data()),
               &length, reinterpret_cast<const unsigned char*>(message.data()), message.size())
            != 1)
        throw std::runtime_error("cannot sign with the sample key");
    return signature;
}

std::string sha256Hex(const std::string& bytes)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned length = 0;
    EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha256(), nullptr);
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned i = 0; i < length; ++i) {
        hex += digits[digest[i] >> 4];
        hex += digits[digest[i] & 0x0f];
    }
    return hex;
}

} // namespace lumivane::test
