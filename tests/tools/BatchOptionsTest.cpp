#include "tools/lumivane-batch/BatchOptions.h"
#include "tools/lumivane-batch/BatchSettings.h"

#include "platform/IniFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace lumivane::batch {
namespace {

using Args = std::vector<std::string>;

TEST(BatchOptions, ReadsEveryOptionInBothSpellings)
{
    const BatchOptions options = parseBatchOptions({"--folder", "out", "--list-format=pipe",
        "--ids", "url", "--browser=1024x768", "--thumb", "300x", "--no-keep-aspect", "--format",
        "gif", "--no-skip", "--page-images", "pages", "--jobs=3", "--timeout", "2.5", "--delay",
        "40", "--report", "r.csv", "--shard", "1/3", "--dry-run", "--quiet", "list.txt"});
    EXPECT_EQ(options.listFile, "list.txt");
    EXPECT_EQ(options.folder, "out");
    EXPECT_EQ(options.listFormat, ListFormat::pipe);
    EXPECT_EQ(options.linkType, 1);
    EXPECT_EQ(options.browser->width, 1024);
    EXPECT_EQ(options.browser->height, 768);
    EXPECT_EQ(options.thumb->width, 300);
    EXPECT_FALSE(options.thumb->height);
    EXPECT_EQ(options.keepAspect, false);
    EXPECT_EQ(options.ext, "gif");
    EXPECT_EQ(options.skip, false);
    EXPECT_EQ(options.pageImages, "pages");
    EXPECT_EQ(options.jobs, 3);
    EXPECT_EQ(options.timeoutMs, 2500);
    EXPECT_EQ(options.delayMs, 40);
    EXPECT_EQ(options.report, "r.csv");
    EXPECT_EQ(options.shard.index, 1);
    EXPECT_EQ(options.shard.count, 3);
    EXPECT_TRUE(options.dryRun);
    EXPECT_TRUE(options.quiet);
}

TEST(BatchOptions, DefaultsLeaveSettingsToTheConfigFile)
{
    const BatchOptions options = parseBatchOptions({"-"});
    EXPECT_EQ(options.listFile, "-");
    EXPECT_FALSE(options.folder || options.browser || options.thumb || options.keepAspect
        || options.skip || options.linkType || options.jobs);
    EXPECT_EQ(options.ext, "jpg");
    EXPECT_EQ(options.timeoutMs, 30000);
    EXPECT_EQ(options.shard.count, 1);
    EXPECT_EQ(parseBatchOptions({"--", "--odd-name"}).listFile, "--odd-name");
}

TEST(BatchOptions, RefusesGarbageWithAMessageNamingTheOption)
{
    const struct {
        Args args;
        const char* message;
    } cases[] = {
        {{}, "no LISTFILE"},
        {{"a", "b"}, "only one LISTFILE"},
        {{"--frobnicate", "a"}, "unknown option \"--frobnicate\""},
        {{"-x", "a"}, "unknown option \"-x\""},
        {{"a", "--folder"}, "--folder needs a value"},
        {{"--quiet=1", "a"}, "--quiet takes no value"},
        {{"--format", "png", "a"}, "--format takes one of bmp, gif, jpg, not \"png\""},
        {{"--list-format", "tsv", "a"}, "--list-format takes one of"},
        {{"--ids", "sha1", "a"}, "--ids takes one of md5, url"},
        {{"--jobs", "0", "a"}, "--jobs takes a whole number from 1 to 64, not \"0\""},
        {{"--jobs", "-2", "a"}, "--jobs takes a whole number"},
        {{"--jobs", "3x", "a"}, "--jobs takes a whole number"},
        {{"--jobs", "99999999999999999999", "a"}, "--jobs takes a whole number"},
        {{"--timeout", "0", "a"}, "--timeout must be more than 0"},
        {{"--timeout", "abc", "a"}, "--timeout takes seconds"},
        {{"--timeout", "1.2345", "a"}, "--timeout takes seconds"},
        {{"--timeout", "90000", "a"}, "--timeout takes seconds"},
        {{"--delay", "700000", "a"}, "--delay takes a whole number from 0 to 600000"},
        {{"--browser", "800", "a"}, "--browser takes WIDTHxHEIGHT"},
        {{"--browser", "x600", "a"}, "--browser takes WIDTHxHEIGHT"},
        {{"--thumb", "20x-3", "a"}, "--thumb takes WIDTHxHEIGHT"},
        {{"--thumb", "99999999999x1", "a"}, "--thumb takes WIDTHxHEIGHT"},
        {{"--shard", "3/3", "a"}, "--shard takes K/N with 0 <= K < N"},
        {{"--shard", "1", "a"}, "--shard takes K/N"},
        {{"--shard", "0/0", "a"}, "--shard takes K/N"},
    };
    for (const auto& c : cases) {
        try {
            parseBatchOptions(c.args);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const UsageError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}

class BatchSettingsTest : public ::testing::Test {
protected:
    BatchSettings resolve(const Args& args) const
    {
        return resolveSettings(parseBatchOptions(args), IniFile(m_dir.file("config.ini")));
    }
    void writeConfig(const std::string& text) const
    {
        test::writeFile(m_dir.file("config.ini"), "[Settings]\r\n" + text);
    }
    std::string usageMessage(const Args& args) const
    {
        try {
            resolve(args);
        } catch (const UsageError& error) {
            return error.what();
        }
        return "accepted";
    }

    test::TempDir m_dir;
};

TEST_F(BatchSettingsTest, WithoutConfigTheDesktopDefaultsApply)
{
    const BatchSettings settings = resolve({"--folder", "out", "l"});
    EXPECT_EQ(settings.folder, "out");
    EXPECT_EQ(settings.browserWidth, 800);
    EXPECT_EQ(settings.browserHeight, 600);
    EXPECT_EQ(settings.thumbWidth, 200);
    EXPECT_EQ(settings.thumbHeight, 150);
    EXPECT_TRUE(settings.keepAspect);
    EXPECT_TRUE(settings.skip);
    EXPECT_EQ(settings.linkType, 0);
    EXPECT_EQ(settings.ext, "jpg");
}

TEST_F(BatchSettingsTest, ConfigValuesApplyUnlessAnOptionIsGiven)
{
    writeConfig("Folder=/cfg\r\nBrowserX=0x384\r\nBrowserY=600\r\nThumbX=300\r\nThumbY=10\r\n"
                "KeepAspectRatio=1\r\nSkip=0\r\nLinkType=1\r\n");
    const BatchSettings fromConfig = resolve({"l"});
    EXPECT_EQ(fromConfig.folder, "/cfg");
    EXPECT_EQ(fromConfig.browserWidth, 900);
    EXPECT_EQ(fromConfig.thumbHeight, 199); // the aspect formula, as the desktop loads it
    EXPECT_FALSE(fromConfig.skip);
    EXPECT_EQ(fromConfig.linkType, 1);

    const BatchSettings overridden
        = resolve({"--folder", "o", "--ids", "md5", "--skip", "--browser", "1024x768", "l"});
    EXPECT_EQ(overridden.folder, "o");
    EXPECT_EQ(overridden.linkType, 0);
    EXPECT_TRUE(overridden.skip);
    EXPECT_EQ(overridden.thumbHeight, 225); // 300 / 1024 * 768 with the new browser size
}

TEST_F(BatchSettingsTest, AspectLockDecidesTheThumbnailHeight)
{
    const BatchSettings locked
        = resolve({"--folder", "o", "--thumb", "250x", "--browser", "1024x768", "l"});
    EXPECT_EQ(locked.thumbHeight, 187);
    EXPECT_TRUE(locked.notes.empty());

    const BatchSettings replaced = resolve({"--folder", "o", "--thumb", "200x100", "l"});
    EXPECT_EQ(replaced.thumbHeight, 150);
    ASSERT_EQ(replaced.notes.size(), 1u);
    EXPECT_NE(replaced.notes[0].find("replaced by 150"), std::string::npos);

    const BatchSettings free
        = resolve({"--folder", "o", "--thumb", "200x100", "--no-keep-aspect", "l"});
    EXPECT_EQ(free.thumbHeight, 100);

    writeConfig("KeepAspectRatio=0\r\nThumbY=123\r\n");
    EXPECT_EQ(resolve({"--folder", "o", "l"}).thumbHeight, 123);
}

TEST_F(BatchSettingsTest, RefusesSizesAndFoldersTheRunCannotUse)
{
    EXPECT_NE(usageMessage({"l"}).find("no output folder"), std::string::npos);
    EXPECT_NE(usageMessage({"--folder", "o", "--browser", "0x600", "l"})
                  .find("browser size 0x600 is out of range"),
        std::string::npos);
    EXPECT_NE(usageMessage({"--folder", "o", "--browser", "100000x600", "l"}).find("out of range"),
        std::string::npos);
    EXPECT_NE(usageMessage({"--folder", "o", "--browser", "800x", "l"}).find("needs a height"),
        std::string::npos);
    EXPECT_NE(usageMessage({"--folder", "o", "--thumb", "0x0", "--no-keep-aspect", "l"})
                  .find("thumbnail size 0x0 is out of range"),
        std::string::npos);
    EXPECT_NE(usageMessage({"--folder", "o", "--thumb", "1x", "l"}).find("thumbnail size 1x0"),
        std::string::npos);
    EXPECT_NE(usageMessage({"--folder", "o", "--thumb", "300x", "--no-keep-aspect", "l"})
                  .find("needs a height when the aspect lock is off"),
        std::string::npos);
    // A BMP thumbnail and its page image would be the same file.
    for (const char* pages : {"o", "./o/", "o/../o"}) {
        SCOPED_TRACE(pages);
        EXPECT_NE(usageMessage({"--folder", "o", "--format", "bmp", "--page-images", pages, "l"})
                      .find("each page image would replace its thumbnail"),
            std::string::npos);
    }
    EXPECT_EQ(
        usageMessage({"--folder", "o", "--format", "jpg", "--page-images", "o", "l"}), "accepted");
    EXPECT_EQ(
        usageMessage({"--folder", "o", "--format", "bmp", "--page-images", "p", "l"}), "accepted");
    writeConfig("BrowserY=-5\r\n");
    EXPECT_NE(
        usageMessage({"--folder", "o", "l"}).find("800x-5 (from config.ini)"), std::string::npos);
}

TEST(BatchJobs, DefaultIsTheCoresButAtLeastTwo)
{
    EXPECT_EQ(resolveJobs(parseBatchOptions({"l"}), 0), 2); // the count is unknown
    EXPECT_EQ(resolveJobs(parseBatchOptions({"l"}), 1), 2);
    EXPECT_EQ(resolveJobs(parseBatchOptions({"l"}), 8), 8);
    EXPECT_EQ(resolveJobs(parseBatchOptions({"l"}), 4096), maxJobs);
    EXPECT_EQ(resolveJobs(parseBatchOptions({"--jobs", "1", "l"}), 8), 1);
}

} // namespace
} // namespace lumivane::batch
