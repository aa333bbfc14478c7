#include "platform/DefaultBrowser.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lumivane {
namespace {

using test::TempDir;
using test::writeFile;

class DefaultBrowserTest : public ::testing::Test {
protected:
    DefaultBrowserTest()
    {
        dirs.configHome = folder("config");
        dirs.configDirs = {folder("etc-xdg")};
        dirs.dataHome = folder("data");
        dirs.dataDirs = {folder("usr-share")};
        for (const auto& data : {dirs.dataHome, dirs.dataDirs[0]})
            std::filesystem::create_directories(data + "/applications");
    }

    std::string folder(const std::string& name)
    {
        std::filesystem::create_directories(root.path() / name);
        return root.file(name);
    }

    static void entry(const std::string& path, const std::string& exec)
    {
        writeFile(path,
            "[Desktop Entry]\nName=Browser\nExec=" + exec
                + "\n[Desktop Action new-window]\nExec=other --new-window\n");
    }

    static void defaults(const std::string& path, const std::string& handlers)
    {
        writeFile(path,
            "[Added Associations]\nx-scheme-handler/http=added.desktop\n"
            "[Default Applications]\ntext/html=html.desktop\nx-scheme-handler/http="
                + handlers + "\n");
    }

    TempDir root;
    XdgDirs dirs;
};

TEST_F(DefaultBrowserTest, UserSettingsWinOverSystemOnes)
{
    entry(dirs.dataDirs[0] + "/applications/system.desktop", "system-browser %u");
    entry(dirs.dataHome + "/applications/mine.desktop", "my-browser %u");
    defaults(dirs.configDirs[0] + "/mimeapps.list", "system.desktop");
    EXPECT_EQ(defaultHandlerFromMimeApps(dirs, "x-scheme-handler/http"), "system.desktop");

    defaults(dirs.configHome + "/mimeapps.list", "mine.desktop");
    EXPECT_EQ(defaultHandlerFromMimeApps(dirs, "x-scheme-handler/http"), "mine.desktop");
    EXPECT_EQ(desktopEntryExec(dirs, "mine.desktop"), "my-browser %u");
}

TEST_F(DefaultBrowserTest, SkipsHandlersWithoutAnEntryAndReadsDesktopSpecificLists)
{
    entry(dirs.dataDirs[0] + "/applications/real.desktop", "real %u");
    defaults(dirs.configHome + "/mimeapps.list", "gone.desktop;real.desktop;");
    EXPECT_EQ(defaultHandlerFromMimeApps(dirs, "x-scheme-handler/http"), "real.desktop");

    entry(dirs.dataDirs[0] + "/applications/kde-only.desktop", "kde %u");
    defaults(dirs.configHome + "/kde-mimeapps.list", "kde-only.desktop");
    dirs.desktops = {"kde"};
    EXPECT_EQ(defaultHandlerFromMimeApps(dirs, "x-scheme-handler/http"), "kde-only.desktop");
}

TEST_F(DefaultBrowserTest, NoDefaultOrNoEntryGivesNothing)
{
    EXPECT_EQ(defaultHandlerFromMimeApps(dirs, "x-scheme-handler/http"), "");
    EXPECT_EQ(desktopEntryExec(dirs, "missing.desktop"), "");
    EXPECT_EQ(desktopEntryExec(dirs, "../../etc/passwd"), "");
}

TEST_F(DefaultBrowserTest, PrefixedIdsAlsoLiveInSubfolders)
{
    std::filesystem::create_directories(dirs.dataDirs[0] + "/applications/vendor");
    entry(dirs.dataDirs[0] + "/applications/vendor/browser.desktop", "vendor-browser %U");
    EXPECT_EQ(desktopEntryExec(dirs, "vendor-browser.desktop"), "vendor-browser %U");
}

TEST(OpenWithBrowserCommand, StartsTheCommandOnlyWhenThereIsOne)
{
    std::vector<std::vector<std::string>> started;
    const ProcessStart record = [&](const std::vector<std::string>& argv) {
        started.push_back(argv);
        return true;
    };
    EXPECT_FALSE(openWithBrowserCommand("", "http://a/", record));
    EXPECT_TRUE(started.empty());

    EXPECT_TRUE(openWithBrowserCommand("browser %u", "http://a/", record));
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0], (std::vector<std::string> {"browser", "http://a/"}));

    const ProcessStart failing = [](const std::vector<std::string>&) { return false; };
    EXPECT_FALSE(openWithBrowserCommand("browser %u", "http://a/", failing));
}

} // namespace
} // namespace lumivane
