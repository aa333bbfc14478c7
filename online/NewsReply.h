#pragma once

#include <string>
#include <vector>

namespace lumivane {

enum class NewsRequest { List, Latest, Details };

/// The reply end marker: the byte 0xAF followed by "OK".
inline const std::string newsReplyEndMarker = "\xAFOK";

/// The body without leading and trailing bytes of code 32 or below.
std::string trimNewsReply(const std::string& body);

/// A reply succeeds when it contains "OK" anywhere (letter case counts).
bool isOkNewsReply(const std::string& reply);

/// The warning a reply without "OK" calls for, matched exactly against the whole
/// reply; empty when it calls for none.
std::string newsErrorMessage(const std::string& reply, NewsRequest request);

/// Appends to newsList every piece of the reply cut at 0xAF that is neither empty
/// nor "OK", in reply order.
void parseNewsList(const std::string& reply, std::vector<std::string>& newsList);

struct LatestNews {
    std::string newsId;
    std::string title;
};

/// News id and title of a latest news reply ("id^title" + end marker); both empty
/// for "OK" alone, the title empty when the reply carries no "^" piece for it.
LatestNews parseLatestNews(const std::string& reply);

/// The details text: the reply without its end markers, dollar-hex decoded.
std::string parseNewsDetails(const std::string& reply);

/// Every occurrence of the end marker removed, in one left-to-right pass.
std::string removeNewsReplyEndMarker(const std::string& reply);

/// "$" and two hex digits (one at the very end) become that byte; any other text
/// after "$" makes the whole result empty.
std::string decodeDollarHex(const std::string& text);

} // namespace lumivane
