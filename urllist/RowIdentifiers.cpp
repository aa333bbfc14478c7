#include "urllist/RowIdentifiers.h"

#include "platform/AsciiCase.h"
#include "platform/Error.h"

#include <openssl/evp.h>

#include <array>

namespace lumivane {

namespace {

// One left-to-right scan over non-overlapping occurrences; the output is not rescanned.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (auto hit = text.find(from); hit != std::string_view::npos; hit = text.find(from, start)) {
        result.append(text.substr(start, hit - start));
        result.append(to);
        start = hit + from.size();
    }
    result.append(text.substr(start));
    return result;
}

} // namespace

std::string md5Id(std::string_view text)
{
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest {};
    unsigned int length = 0;
    if (EVP_Digest(text.data(), text.size(), digest.data(), &length, EVP_md5(), nullptr) != 1)
        throw Error("MD5 digest failed");
    static constexpr char hex[] = "0123456789abcdef";
    std::string result;
    result.reserve(length * 2);
    for (unsigned int i = 0; i < length; ++i) {
        result.push_back(hex[digest[i] >> 4]);
        result.push_back(hex[digest[i] & 0x0f]);
    }
    return result;
}

std::string urlDerivedId(std::string_view text)
{
    std::string result = lowerAscii(text);
    result = replaceAll(result, "http://", "");
    result = replaceAll(result, "www.", "");
    result = replaceAll(result, ".", "_");
    return replaceAll(result, "/", "I");
}

std::string rowId(std::string_view source, int linkType)
{
    return linkType == 1 ? urlDerivedId(source) : md5Id(source);
}

} // namespace lumivane
