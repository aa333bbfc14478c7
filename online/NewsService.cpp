#include "online/NewsService.h"

#include "platform/Error.h"
#include "platform/MessageDialog.h"

namespace lumivane {

std::optional<NewsAccount> newsAccountFor(const NewsBrand& brand)
{
    const struct {
        const char* tier;
        const std::string& publisherId;
        const char* productTypeCode;
    } rows[] = {
        {"Master", brand.MasterPublID, "BM"},
        {"Platinum", brand.PlatinumPublID, "BP"},
        {"Gold", brand.GoldPublID, "BG"},
    };
    for (const auto& row : rows)
        if (brand.BranderType == row.tier && !row.publisherId.empty())
            return NewsAccount {row.publisherId, brand.BranderCode, row.productTypeCode};
    return std::nullopt;
}

std::string newsBaseUrl(const NewsBrand& brand, const std::string& productTypeCode)
{
    if (productTypeCode == "BM")
        return brand.MasterNewsBaseURL;
    if (productTypeCode == "BP")
        return brand.PlatinumNewsBaseURL;
    if (productTypeCode == "BG")
        return brand.GoldNewsBaseURL;
    return {};
}

std::string newsRequestUrl(const std::string& baseUrl, const std::string& fileName)
{
    if (!baseUrl.empty() && baseUrl.back() == '/')
        return baseUrl + fileName;
    return baseUrl + "/" + fileName;
}

FormFields newsFormFields(
    const NewsAccount& account, const std::string& fourthName, const std::string& fourthValue)
{
    return {
        {"memusername", account.publisherId},
        {"prodcode", account.branderCode},
        {"prodtype", account.productTypeCode},
        {fourthName, fourthValue},
        {"newstarget", "UA"},
        {"something", ""},
    };
}

NewsService::NewsService(WebClient& client, MessageDialog& dialog, NewsBrand brand)
    : m_client(client)
    , m_dialog(dialog)
    , m_brand(std::move(brand))
{
}

bool NewsService::getNewsList(const NewsAccount& account, std::vector<std::string>& newsList)
{
    const std::string reply
        = post(account, "getlastnews.php", newsFormFields(account, "conttype", "all"));
    if (!accept(reply, NewsRequest::List, false))
        return false;
    parseNewsList(reply, newsList);
    return true;
}

LatestNewsResult NewsService::getLastNews(const NewsAccount& account, bool silent)
{
    const std::string reply
        = post(account, "getlastnews.php", newsFormFields(account, "conttype", "lastcode"));
    if (!accept(reply, NewsRequest::Latest, silent))
        return {};
    const LatestNews latest = parseLatestNews(reply);
    return {true, latest.newsId, latest.title};
}

NewsDetailsResult NewsService::getNewsDetails(const NewsAccount& account, const std::string& newsId)
{
    const std::string reply
        = post(account, "getnewsdetails.php", newsFormFields(account, "newsid", newsId));
    if (!accept(reply, NewsRequest::Details, false))
        return {};
    return {true, parseNewsDetails(reply)};
}

std::string NewsService::post(
    const NewsAccount& account, const std::string& fileName, const FormFields& fields)
{
    const std::string url = newsRequestUrl(newsBaseUrl(m_brand, account.productTypeCode), fileName);
    try {
        return trimNewsReply(m_client.postForm(url, fields));
    } catch (const Error&) {
        return {};
    }
}

bool NewsService::accept(const std::string& reply, NewsRequest request, bool silent)
{
    if (isOkNewsReply(reply))
        return true;
    const std::string message = newsErrorMessage(reply, request);
    if (!message.empty() && !silent)
        m_dialog.warn(message);
    return false;
}

} // namespace lumivane
