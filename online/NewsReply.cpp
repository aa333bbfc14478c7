#include "online/NewsReply.h"

#include "platform/SplitByCharacter.h"

#include <cctype>

namespace lumivane {
namespace {

bool isTrimmed(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string trimNewsReply(const std::string& body)
{
    std::size_t first = 0;
    std::size_t last = body.size();
    while (first < last && isTrimmed(body[first]))
        ++first;
    while (last > first && isTrimmed(body[last - 1]))
        --last;
    return body.substr(first, last - first);
}

bool isOkNewsReply(const std::string& reply)
{
    return reply.find("OK") != std::string::npos;
}

std::string newsErrorMessage(const std::string& reply, NewsRequest request)
{
    if (reply.empty())
        return "There is a trouble accessing the news site. Contact your provider.";
    if (reply == "CONNECTIONFAIL")
        return "There is a trouble in the settings file on the news site.";
    if (reply == "INVALIDUSER")
        return "There is a trouble with the Publisher Id. Contact your provider.";
    if (reply == "INVALIDPRODUCT")
        return "There is a trouble with the product validation. Contact your provider.";
    if (reply == "INVALIDNEWS" && request == NewsRequest::Details)
        return "There is a trouble with this news. Contact your provider.";
    return {};
}

void parseNewsList(const std::string& reply, std::vector<std::string>& newsList)
{
    for (const std::string& piece : splitByCharacter(reply, '\xAF'))
        if (!piece.empty() && piece != "OK")
            newsList.push_back(piece);
}

LatestNews parseLatestNews(const std::string& reply)
{
    const std::string remainder = removeNewsReplyEndMarker(reply);
    if (remainder == "OK")
        return {};
    const std::vector<std::string> pieces = splitByCharacter(remainder, '^');
    LatestNews latest;
    if (!pieces.empty())
        latest.newsId = pieces[0];
    if (pieces.size() > 1)
        latest.title = pieces[1];
    return latest;
}

std::string parseNewsDetails(const std::string& reply)
{
    return decodeDollarHex(removeNewsReplyEndMarker(reply));
}

std::string removeNewsReplyEndMarker(const std::string& reply)
{
    std::string result;
    std::size_t start = 0;
    for (auto found = reply.find(newsReplyEndMarker); found != std::string::npos;
         found = reply.find(newsReplyEndMarker, start)) {
        result.append(reply, start, found - start);
        start = found + newsReplyEndMarker.size();
    }
    return result + reply.substr(start);
}

std::string decodeDollarHex(const std::string& text)
{
    std::string output;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '$') {
            output += text[i];
            continue;
        }
        const std::size_t digits = std::min<std::size_t>(2, text.size() - i - 1);
        if (digits == 0)
            return {};
        int value = 0;
        for (std::size_t k = 1; k <= digits; ++k) {
            const int digit = hexValue(text[i + k]);
            if (digit < 0)
                return {};
            value = value * 16 + digit;
        }
        output += static_cast<char>(value);
        i += digits;
    }
    return output;
}

} // namespace lumivane
