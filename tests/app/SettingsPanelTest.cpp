#include "app/SettingsPanel.h"
#include "app/AspectFormula.h"
#include "app/BannerCentring.h"
#include "platform/Error.h"
#include "platform/IniFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>

using namespace lumivane;
using lumivane::test::readFile;
using lumivane::test::TempDir;
using lumivane::test::writeFile;

TEST(AspectFormula, RoundsTheRatioToADoubleBeforeTheProduct)
{
    const struct {
        int thumbX, browserX, browserY;
        std::optional<int> height;
    } cases[] = {
        {300, 900, 600, 199},
        {200, 800, 600, 150},
        {250, 1024, 768, 187},
        {200, 0, 600, std::nullopt},
        {0, 0, 600, std::nullopt},
        {-200, 800, 600, -150},
        {INT_MAX, 1, INT_MAX, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(aspectHeight(c.thumbX, c.browserX, c.browserY), c.height)
            << c.thumbX << "/" << c.browserX << "*" << c.browserY;
}

TEST(BannerCentring, HalvesEachSizeWithTruncation)
{
    EXPECT_EQ(centreBanner(783, 65, 105, 40).left, 339);
    EXPECT_EQ(centreBanner(783, 65, 98, 40).left, 342);
    EXPECT_EQ(centreBanner(783, 65, 98, 40).top, 12);
    EXPECT_EQ(centreBanner(783, 65, 98, 100).top, -18);
}

namespace {

struct LoadCase {
    const char* name;
    const char* file;
    int thumbY;
    bool thumbYEditable;
};

SettingsPanel loaded(const TempDir& dir, const char* content)
{
    const auto path = dir.file("config.ini");
    if (content)
        writeFile(path, content);
    SettingsPanel panel;
    panel.load(IniFile(path));
    return panel;
}

} // namespace

TEST(SettingsPanel, NoFileGivesEveryDefault)
{
    TempDir dir;
    const auto panel = loaded(dir, nullptr);
    EXPECT_EQ(panel.folder(), "");
    EXPECT_EQ(panel.browserX(), 800);
    EXPECT_EQ(panel.browserY(), 600);
    EXPECT_EQ(panel.thumbX(), 200);
    EXPECT_EQ(panel.thumbY(), 150);
    EXPECT_TRUE(panel.keepAspectRatio());
    EXPECT_FALSE(panel.thumbYEditable());
    EXPECT_TRUE(panel.skip());
    EXPECT_EQ(panel.linkType(), 0);
    EXPECT_EQ(panel.ext(), "jpg");
}

TEST(SettingsPanel, LoadOrderDecidesTheThumbnailHeight)
{
    const LoadCase cases[] = {
        {"aspect on replaces stored height",
            "[Settings]\nKeepAspectRatio=1\nThumbX=300\nBrowserX=900\nBrowserY=600\nThumbY=10\n",
            199, false},
        {"aspect off keeps stored height", "[Settings]\nKeepAspectRatio=0\nThumbY=123\n", 123,
            true},
        {"hex browser width", "[Settings]\nBrowserX=0x320\nThumbY=1\n", 150, false},
        {"browser width 0 keeps stored height", "[Settings]\nBrowserX=0\nThumbY=77\n", 77, false},
        {"garbage values give defaults",
            "[Settings]\nBrowserX=wide\nBrowserY=\nThumbX=1e3\nKeepAspectRatio=yes\n", 150, false},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const auto panel = loaded(dir, c.file);
        EXPECT_EQ(panel.thumbY(), c.thumbY) << c.name;
        EXPECT_EQ(panel.thumbYEditable(), c.thumbYEditable) << c.name;
    }
}

TEST(SettingsPanel, RulesFollowTheFields)
{
    SettingsPanel panel;
    panel.setBrowserX(800);
    panel.setBrowserY(600);
    panel.setThumbX(200);
    panel.setKeepAspectRatio(true);
    EXPECT_EQ(panel.thumbY(), 150);

    panel.setBrowserY(300);
    EXPECT_EQ(panel.thumbY(), 150) << "browser height alone does not recompute";
    panel.setThumbX(400);
    EXPECT_EQ(panel.thumbY(), 150) << "400 / 800 * 300";

    panel.setBrowserX(0);
    panel.setThumbX(100);
    EXPECT_EQ(panel.thumbY(), 150) << "a failed formula keeps the height";

    panel.setKeepAspectRatio(false);
    EXPECT_TRUE(panel.thumbYEditable());
    panel.setThumbX(900);
    EXPECT_EQ(panel.thumbY(), 150);

    panel.setLinkType(7);
    EXPECT_EQ(panel.linkType(), -1);
}

TEST(SettingsPanel, SavesEveryKeyAndKeepsForeignLines)
{
    TempDir dir;
    const auto path = dir.file("config.ini");
    writeFile(path, "[Settings]\r\nBrowserX=800\r\nMine=here\r\n");
    SettingsPanel panel;
    panel.load(IniFile(path));
    panel.setFolder("/out");
    panel.setExt("gif");
    IniFile file(path);
    panel.save(file);
    EXPECT_EQ(readFile(path),
        "[Settings]\r\nBrowserX=800\r\nMine=here\r\nFolder=/out\r\nBrowserY=600\r\nThumbX=200\r\n"
        "ThumbY=150\r\nKeepAspectRatio=1\r\nSkip=1\r\nLinkType=0\r\n");

    SettingsPanel again;
    again.load(IniFile(path));
    EXPECT_EQ(again.ext(), "jpg") << "the format is not stored";
    EXPECT_EQ(again.folder(), "/out");
}

TEST(SettingsPanel, UnwritableFileRaisesWithThePath)
{
    TempDir dir;
    const auto path = dir.file("missing-folder/config.ini");
    SettingsPanel panel;
    IniFile file(path);
    try {
        panel.save(file);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
    }
}
