#pragma once

#include "online/NewsReply.h"
#include "online/WebClient.h"

#include <optional>
#include <string>
#include <vector>

namespace lumivane {

class MessageDialog;

/// The brand profile values the news service needs, named after their tags.
struct NewsBrand {
    std::string BranderType;
    std::string BranderCode;
    std::string MasterPublID;
    std::string PlatinumPublID;
    std::string GoldPublID;
    std::string MasterNewsBaseURL;
    std::string PlatinumNewsBaseURL;
    std::string GoldNewsBaseURL;
};

/// Who asks: the first three form fields of every news request.
struct NewsAccount {
    std::string publisherId; ///< memusername
    std::string branderCode; ///< prodcode
    std::string productTypeCode; ///< prodtype: "BM", "BP" or "BG"
};

/// The tier table: "Master" asks as MasterPublID with "BM", "Platinum" as
/// PlatinumPublID with "BP", "Gold" as GoldPublID with "BG". Any other tier, or an
/// empty publisher ID, asks nothing (nullopt).
std::optional<NewsAccount> newsAccountFor(const NewsBrand& brand);

/// The news base URL of a product type code; empty for a code outside the table.
std::string newsBaseUrl(const NewsBrand& brand, const std::string& productTypeCode);

/// baseUrl + fileName, with one "/" between them whether or not baseUrl ends in one.
std::string newsRequestUrl(const std::string& baseUrl, const std::string& fileName);

/// The six form fields: the account's three, then fourthName = fourthValue,
/// newstarget = "UA" and an empty something.
FormFields newsFormFields(
    const NewsAccount& account, const std::string& fourthName, const std::string& fourthValue);

struct LatestNewsResult {
    bool ok = false;
    std::string newsId;
    std::string title;
};

struct NewsDetailsResult {
    bool ok = false;
    std::string text; ///< HTML, 8-bit
};

/// The three news requests, posted through the client; a failed reply shows its
/// warning through the dialog (never for a silent latest news request).
class NewsService {
public:
    NewsService(WebClient& client, MessageDialog& dialog, NewsBrand brand);

    /// Appends the reply's news items to newsList; the list is untouched on failure.
    bool getNewsList(const NewsAccount& account, std::vector<std::string>& newsList);
    LatestNewsResult getLastNews(const NewsAccount& account, bool silent);
    NewsDetailsResult getNewsDetails(const NewsAccount& account, const std::string& newsId);

private:
    /// The trimmed reply, or empty when the POST failed.
    std::string post(
        const NewsAccount& account, const std::string& fileName, const FormFields& fields);
    /// Whether the reply succeeded; shows the warning a failed one calls for.
    bool accept(const std::string& reply, NewsRequest request, bool silent);

    WebClient& m_client;
    MessageDialog& m_dialog;
    NewsBrand m_brand;
};

} // namespace lumivane
