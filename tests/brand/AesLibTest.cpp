#include "brand/AesLib.h"
#include "brand/ContainerFiles.h"

#include <gtest/gtest.h>

#include <sstream>

namespace lumivane {
namespace {

/// Entropy that counts up from a start byte, so salts are reproducible.
struct CountingEntropy {
    unsigned char next = 0;
    int* calls = nullptr;
    std::size_t operator()(unsigned char* buffer, std::size_t n)
    {
        if (calls) {
            ++*calls;
        }
        const std::size_t count = std::min<std::size_t>(n, 8);
        for (std::size_t i = 0; i < count; ++i) {
            buffer[i] = next++;
        }
        return count;
    }
};

/// Counts the read calls the cipher makes on its source.
class CountingReads : public std::stringbuf {
public:
    explicit CountingReads(const std::string& text)
        : std::stringbuf(text)
    {
    }
    int reads = 0;

protected:
    std::streamsize xsgetn(char* s, std::streamsize n) override
    {
        ++reads;
        return std::stringbuf::xsgetn(s, n);
    }
};

std::string encrypt(const std::string& plain, const std::string& password = builtInPassword,
    std::int32_t bufferSize = containerBufferSize, EntropySource entropy = CountingEntropy {})
{
    TEncryption cipher(password, bufferSize, std::move(entropy));
    std::istringstream source(plain);
    std::ostringstream container;
    EXPECT_TRUE(cipher.EncryptStream(source, container));
    return container.str();
}

std::pair<DecryptResult, std::string> decrypt(
    const std::string& container, const std::string& password = builtInPassword)
{
    TEncryption cipher(password, containerBufferSize);
    std::istringstream source(container);
    std::ostringstream plain;
    const DecryptResult result
        = cipher.DecryptStream(source, plain, static_cast<std::int64_t>(container.size()));
    return {result, plain.str()};
}

std::string pattern(std::size_t size)
{
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        text[i] = static_cast<char>((i * 131 + i / 977) & 0xFF);
    }
    return text;
}

TEST(TCrypt, ModeFollowsPasswordLength)
{
    const struct {
        std::size_t length;
        int mode;
        std::size_t key, salt;
    } cases[] = {{0, 1, 16, 8}, {10, 1, 16, 8}, {31, 1, 16, 8}, {32, 2, 24, 12}, {47, 2, 24, 12},
        {48, 3, 32, 16}, {128, 3, 32, 16}};
    for (const auto& c : cases) {
        const TCrypt cipher(std::string(c.length, 'p'), 16);
        EXPECT_EQ(cipher.mode(), c.mode) << c.length;
        EXPECT_EQ(cipher.keyLength(), c.key) << c.length;
        EXPECT_EQ(cipher.saltLength(), c.salt) << c.length;
    }
}

TEST(TEncryption, MixMatchesIndependentSha1Compression)
{
    // Expected bytes come from a separate SHA-1 implementation of the same stirring.
    std::array<unsigned char, TEncryption::poolSize> bytes {};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<unsigned char>(i % 251);
    }
    TEncryption::mix(bytes);
    const unsigned char first[] = {0x71, 0x84, 0xc8, 0xe8, 0xdf, 0x82, 0x7b, 0x45, 0x22, 0xaa, 0x7c,
        0xa2, 0x77, 0x51, 0xa6, 0xec, 0xc4, 0x52, 0xd6, 0x09};
    const unsigned char last[] = {0xd7, 0xab, 0x81, 0xce, 0xb5, 0x4d, 0x7d, 0x13, 0xee, 0x5f, 0x0b,
        0x1b, 0x2f, 0x64, 0xbb, 0xdb, 0xa6, 0x5a, 0x01, 0x8c};
    EXPECT_TRUE(std::equal(std::begin(first), std::end(first), bytes.begin()));
    EXPECT_TRUE(std::equal(std::begin(last), std::end(last), bytes.begin() + 240));
}

TEST(TEncryption, SaltGeneratorIsPinnedByItsEntropyAndRefills)
{
    int calls = 0;
    TEncryption a(builtInPassword, 16, CountingEntropy {0, &calls});
    TEncryption b(builtInPassword, 16, CountingEntropy {0});
    TEncryption c(builtInPassword, 16, CountingEntropy {1});
    const int afterInit = calls;
    EXPECT_EQ(afterInit, 2 * 33); // two refills of 260 bytes, 8 at a time

    std::vector<unsigned char> saltA(600), saltB(600), saltC(600);
    a.drawSalt(saltA.data(), 259);
    EXPECT_EQ(calls, afterInit);
    a.drawSalt(saltA.data() + 259, saltA.size() - 259);
    EXPECT_EQ(calls, afterInit + 2 * 33);
    b.drawSalt(saltB.data(), saltB.size());
    c.drawSalt(saltC.data(), saltC.size());
    EXPECT_EQ(saltA, saltB);
    EXPECT_NE(saltA, saltC);
    EXPECT_NE(std::vector<unsigned char>(saltA.begin(), saltA.begin() + 260),
        std::vector<unsigned char>(saltA.begin() + 260, saltA.begin() + 520));
}

TEST(TEncryption, PlatformEntropyIsTheMonotonicClockInEightBytes)
{
    const auto clockValue = [] {
        unsigned char bytes[8] = {};
        EXPECT_EQ(fillPlatformEntropy(bytes, 260), 8u);
        std::uint64_t value = 0;
        for (int i = 7; i >= 0; --i) {
            value = value << 8 | bytes[i];
        }
        return value;
    };
    const std::uint64_t first = clockValue();
    const std::uint64_t second = clockValue();
    EXPECT_GT(first, 0u);
    EXPECT_GE(second, first);
    unsigned char three[3] = {};
    EXPECT_EQ(fillPlatformEntropy(three, 3), 3u);
}

TEST(TEncryption, EntropyThatGivesNothingDoesNotHang)
{
    TEncryption cipher(
        builtInPassword, 16, [](unsigned char*, std::size_t) { return std::size_t {0}; });
    unsigned char salt[300];
    cipher.drawSalt(salt, sizeof salt);
    SUCCEED();
}

TEST(Container, RoundTripsAtBufferBoundaries)
{
    const std::size_t sizes[] = {0, 1, 15, 16, 17, 4097, 262143, 262144, 262145, 1 << 20};
    for (const std::size_t size : sizes) {
        const std::string plain = pattern(size);
        const std::string container = encrypt(plain);
        ASSERT_EQ(container.size(), size + 20) << size;
        const auto [result, decrypted] = decrypt(container);
        EXPECT_EQ(result, DecryptResult::Success) << size;
        EXPECT_TRUE(decrypted == plain) << size;
    }
}

TEST(Container, ExactBufferMultipleEndsWithOneEmptyRead)
{
    const struct {
        std::size_t size;
        int reads;
    } cases[] = {{0, 1}, {262143, 1}, {262144, 2}, {262145, 2}, {2 * 262144, 3}};
    for (const auto& c : cases) {
        CountingReads buffer(pattern(c.size));
        std::istream source(&buffer);
        std::ostringstream container;
        TEncryption cipher(builtInPassword, containerBufferSize);
        EXPECT_TRUE(cipher.EncryptStream(source, container));
        EXPECT_EQ(buffer.reads, c.reads) << c.size;
        EXPECT_EQ(container.str().size(), c.size + 20);
    }
}

TEST(Container, ChunkSizeDoesNotChangeTheContainer)
{
    const std::string plain = pattern(70000);
    const std::string whole = encrypt(plain);
    for (const std::int32_t bufferSize : {1, 7, 16, 33, 4096, 65537}) {
        EXPECT_TRUE(encrypt(plain, builtInPassword, bufferSize) == whole) << bufferSize;
    }
}

TEST(Container, TwoEncryptionsDifferAndBothDecrypt)
{
    const std::string plain = "<%%ApplicationName%%>Same<%%/ApplicationName%%>\r\n";
    const std::string first
        = encrypt(plain, builtInPassword, containerBufferSize, fillPlatformEntropy);
    const std::string second
        = encrypt(plain, builtInPassword, containerBufferSize, fillPlatformEntropy);
    EXPECT_NE(first.substr(0, 8), second.substr(0, 8));
    EXPECT_NE(first, second);
    EXPECT_EQ(decrypt(first), std::make_pair(DecryptResult::Success, plain));
    EXPECT_EQ(decrypt(second), std::make_pair(DecryptResult::Success, plain));
}

TEST(Container, FlippedCiphertextByteFlipsOnePlaintextByteAndFailsAuthentication)
{
    const std::string plain = pattern(1000);
    for (const std::size_t at : {std::size_t {0}, std::size_t {15}, std::size_t {999}}) {
        std::string container = encrypt(plain);
        container[10 + at] ^= 0x5A;
        const auto [result, decrypted] = decrypt(container);
        EXPECT_EQ(result, DecryptResult::AuthenticationFailed);
        ASSERT_EQ(decrypted.size(), plain.size());
        for (std::size_t i = 0; i < plain.size(); ++i) {
            EXPECT_EQ(decrypted[i] != plain[i], i == at) << i;
        }
        EXPECT_EQ(decrypted[at], static_cast<char>(plain[at] ^ 0x5A));
    }
}

TEST(Container, DamagedCodeFailsAuthenticationWithTextIntact)
{
    std::string container = encrypt("text");
    container.back() ^= 1;
    EXPECT_EQ(decrypt(container),
        std::make_pair(DecryptResult::AuthenticationFailed, std::string("text")));
}

TEST(Container, AnotherPasswordLeavesEmptyPlaintext)
{
    const std::string container = encrypt(pattern(500), "another password");
    EXPECT_EQ(decrypt(container), std::make_pair(DecryptResult::WrongPassword, std::string()));
    EXPECT_EQ(decrypt(container, "another password").first, DecryptResult::Success);
}

TEST(Container, ShortContainersReadNothing)
{
    const std::string container = encrypt("");
    for (std::size_t size = 0; size < 20; ++size) {
        EXPECT_EQ(decrypt(container.substr(0, size)),
            std::make_pair(DecryptResult::TooShort, std::string()))
            << size;
    }
    EXPECT_EQ(decrypt(container), std::make_pair(DecryptResult::Success, std::string()));
}

TEST(Container, SourceShorterThanItsSizeIsAReadError)
{
    const std::string container = encrypt(pattern(100));
    TEncryption cipher(builtInPassword, containerBufferSize);
    std::istringstream source(container.substr(0, 60));
    std::ostringstream plain;
    EXPECT_EQ(cipher.DecryptStream(source, plain, 120), DecryptResult::ReadError);
}

TEST(Container, OverlongPasswordFailsSetUp)
{
    const std::string password(TCrypt::maxPasswordLength + 1, 'x');
    TEncryption cipher(password, 64);
    std::istringstream source("data");
    std::ostringstream container;
    EXPECT_FALSE(cipher.EncryptStream(source, container));
    EXPECT_TRUE(container.str().empty());
    std::istringstream twenty(std::string(40, 'x'));
    EXPECT_EQ(cipher.DecryptStream(twenty, container, 40), DecryptResult::SetupFailed);
}

TEST(Container, WriteErrorStopsWithoutCode)
{
    TEncryption cipher(builtInPassword, 64);
    std::istringstream source(pattern(1000));
    std::ostringstream container;
    container.setstate(std::ios::badbit);
    EXPECT_FALSE(cipher.EncryptStream(source, container));
}

} // namespace
} // namespace lumivane
