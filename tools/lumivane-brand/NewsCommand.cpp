#include "brand/BrandProfile.h"
#include "brand/ContainerFiles.h"
#include "brand/ProfileFile.h"
#include "brand/ProfileText.h"
#include "online/BrandNews.h"
#include "online/HttpClient.h"
#include "online/NewsService.h"
#include "platform/MessageDialog.h"
#include "tools/lumivane-brand/Subcommands.h"
#include "tools/lumivane-brand/ToolFiles.h"

#include <iostream>

namespace lumivane::brandtool {

namespace {

const char* const help
    = "Usage: lumivane-brand news [--plain] FILE list|latest|details [ID]\n"
      "\n"
      "Asks the brand's news service what the program would ask, with the tier values of\n"
      "the container FILE (or of the plaintext FILE with --plain), and prints the answer:\n"
      "  list          every news item, one \"id^title^date\" text a line\n"
      "  latest        NewsId=... and Title=... of the newest item\n"
      "  details ID    the decoded HTML text of item ID\n"
      "The warnings the program would show go to standard error. Exits with 1 when the\n"
      "request fails or the tier asks the news service nothing.\n"
      "\n"
      "  --plain   FILE is a plaintext profile\n"
      "  --help    show this help\n";

/// The program's warnings, as lines on standard error.
class StderrDialog : public MessageDialog {
public:
    MessageResult show(const std::string& text, MessageKind, MessageButtons) override
    {
        std::cerr << "lumivane-brand news: " << text << "\n";
        return MessageResult::Ok;
    }
};

BrandProfile loadProfile(const Arguments& arguments)
{
    const std::string& file = arguments.operands[0];
    const ProfileLines profile = readProfileOperand(file, arguments.has("--plain"));
    if (profile.result != DecryptResult::Success)
        std::cerr << "lumivane-brand news: " << file << ": "
                  << describeDecryptResult(profile.result) << "\n";
    return readBrandProfileText(joinProfileLines(profile.lines));
}

bool ask(NewsService& news, const NewsAccount& account, const Arguments& arguments)
{
    const std::string& request = arguments.operands[1];
    if (request == "list") {
        std::vector<std::string> items;
        const bool ok = news.getNewsList(account, items);
        for (const std::string& item : items)
            std::cout << item << "\n";
        return ok;
    }
    if (request == "latest") {
        const LatestNewsResult latest = news.getLastNews(account, false);
        if (latest.ok)
            std::cout << "NewsId=" << latest.newsId << "\nTitle=" << latest.title << "\n";
        return latest.ok;
    }
    const NewsDetailsResult details = news.getNewsDetails(account, arguments.operands[2]);
    std::cout << details.text;
    return details.ok;
}

int runNews(const Arguments& arguments)
{
    const std::string& request = arguments.operands[1];
    const bool details = request == "details";
    if (request != "list" && request != "latest" && !details)
        throw UsageError("unknown request " + request);
    if (details != (arguments.operands.size() == 3))
        throw UsageError(details ? "details needs a news ID" : request + " takes no ID");

    const NewsBrand brand = newsBrandOf(loadProfile(arguments));
    const auto account = newsAccountFor(brand);
    if (!account) {
        std::cerr << "lumivane-brand news: the tier \"" << brand.BranderType
                  << "\" with its publisher ID asks the news service nothing\n";
        return exitFailure;
    }
    HttpClient client;
    StderrDialog dialog;
    NewsService news(client, dialog, brand);
    if (ask(news, *account, arguments))
        return exitSuccess;
    std::cerr << "lumivane-brand news: the " << request << " request failed\n";
    return exitFailure;
}

} // namespace

Subcommand newsSubcommand()
{
    return {"news", "ask the brand's news service as the program would", help,
        Grammar {{"--plain"}, 2, 3}, runNews};
}

} // namespace lumivane::brandtool
