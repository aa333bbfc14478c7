#include "platform/BrowserCommand.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

using Argv = std::vector<std::string>;

struct CommandCase {
    const char* name;
    std::string command;
    std::optional<Argv> expected;
};

const std::string url = "http://example.com/a?b=1";

const CommandCase commandCases[] = {
    {"quoted program path with placeholder",
        R"("C:\Program Files\Internet Explorer\iexplore.exe" -nohome "%1")",
        Argv {R"(C:\Program Files\Internet Explorer\iexplore.exe)", url}},
    {"exe found in any letter case, case kept", R"("C:\Apps\Browser.EXE" %1)",
        Argv {R"(C:\Apps\Browser.EXE)", url}},
    {"everything after the first exe dropped", "wine browser.exe.exe --x",
        Argv {"wine browser.exe", url}},
    {"exec line with a field code", "firefox-esr %u", Argv {"firefox-esr", url}},
    {"exec line keeps fixed arguments", "/usr/bin/flatpak run org.mozilla.firefox --url %U",
        Argv {"/usr/bin/flatpak", "run", "org.mozilla.firefox", "--url", url}},
    {"every field code dropped", "browser %f %F %i %c %k %d %D %n %N %v %m", Argv {"browser", url}},
    {"double percent is a literal percent", "browser --zoom=100%% %u",
        Argv {"browser", "--zoom=100%", url}},
    {"quoted word with blanks and escapes", R"("/opt/My Browser/run" "a \"b\"" %u)",
        Argv {"/opt/My Browser/run", R"(a "b")", url}},
    {"runs of blanks and tabs", "  chromium \t --new-window   %U  ",
        Argv {"chromium", "--new-window", url}},
    {"no command", "", std::nullopt},
    {"only blanks", "   ", std::nullopt},
    {"only field codes", "%u %U", std::nullopt},
    {"empty quoted program", R"("" %u)", std::nullopt},
};

TEST(BrowserCommand, BuildsTheArgumentVector)
{
    for (const auto& test : commandCases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(browserCommandLine(test.command, url), test.expected);
    }
}

} // namespace
} // namespace lumivane
