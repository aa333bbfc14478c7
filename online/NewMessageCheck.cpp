#include "online/NewMessageCheck.h"

#include "platform/MessageDialog.h"

#include <charconv>
#include <cstdint>

namespace lumivane {

int parseNewsId(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // The digits are read as an unsigned magnitude so a sign in front of them, or a second
    // sign, cannot slip through from_chars.
    std::uint64_t magnitude = 0;
    const auto* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, magnitude);
    if (text.empty() || result.ec != std::errc {} || result.ptr != end)
        return 0;
    const std::uint64_t limit = negative ? 2147483648ULL : 2147483647ULL;
    if (magnitude > limit)
        return 0;
    const auto value = static_cast<std::int64_t>(magnitude);
    return static_cast<int>(negative ? -value : value);
}

std::string messageHintText(const std::string& title)
{
    return "You've Got A Message!\r\n" + title;
}

void runStartupCheck(NewsService& news, const NewsBrand& brand, const StartupCheckActions& actions)
{
    bool found = false;
    LatestNewsResult latest;
    if (const auto account = newsAccountFor(brand)) {
        latest = news.getLastNews(*account, true);
        found = latest.ok;
    }
    if (found && parseNewsId(latest.newsId) > parseNewsId(actions.readLastNewsId()))
        actions.showMessageHint(messageHintText(latest.title));
    actions.runSilentUpdateCheck();
}

bool fetchNewsForWindow(NewsService& news, const NewsBrand& brand,
    std::vector<std::string>& newsList, MessageDialog& dialog)
{
    newsList.clear();
    bool ok = false;
    if (const auto account = newsAccountFor(brand))
        ok = news.getNewsList(*account, newsList);
    if (ok && !newsList.empty())
        return true;
    dialog.inform("There's no news for this application!");
    return false;
}

} // namespace lumivane
