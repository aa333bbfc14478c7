#pragma once

#include "online/NewsService.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

class MessageDialog;

/// A news id as a signed 32-bit decimal integer: leading blanks and one sign are allowed,
/// nothing after the digits (a trailing blank included). Text that does not parse, the empty
/// text and values outside 32 bits count as 0.
int parseNewsId(std::string_view text);

/// "You've Got A Message!", CR LF, then the title.
std::string messageHintText(const std::string& title);

/// What the start-up check asks of the main window.
struct StartupCheckActions {
    /// The stored LastNewsId of the brand profile.
    std::function<std::string()> readLastNewsId;
    std::function<void(const std::string& text)> showMessageHint;
    /// The silent update check.
    std::function<void()> runSilentUpdateCheck;
};

/// The start-up check after its timer is switched off: a silent latest news request for the
/// brand's tier, the message hint when the newest item is newer than the last one read, then
/// the silent update check in every case.
void runStartupCheck(NewsService& news, const NewsBrand& brand, const StartupCheckActions& actions);

/// The News button's request: empties newsList and fills it for the brand's tier. True when
/// the news window should open; otherwise "There's no news for this application!" was shown
/// (after the request's own warning, if any).
bool fetchNewsForWindow(NewsService& news, const NewsBrand& brand,
    std::vector<std::string>& newsList, MessageDialog& dialog);

} // namespace lumivane
