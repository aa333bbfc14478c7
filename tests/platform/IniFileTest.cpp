#include "platform/IniFile.h"
#include "platform/Error.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace lumivane;
using lumivane::test::readFile;
using lumivane::test::TempDir;
using lumivane::test::writeFile;

TEST(IniInteger, ParsesDecimalAndHexadecimalAndRejectsTheRest)
{
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"800", 800},
        {"-12", -12},
        {"+7", 7},
        {"0x320", 800},
        {"0X320", 800},
        {"$320", 800},
        {"$ff", 255},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"0xFFFFFFFFF", std::nullopt},
        {"", std::nullopt},
        {"0x", std::nullopt},
        {"12a", std::nullopt},
        {"1.5", std::nullopt},
        {"abc", std::nullopt},
        {"1 2", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseIniInteger(c.text), c.value) << c.text;
}

TEST(IniFile, ReadsWithoutRegardToCaseAndTrimsValues)
{
    TempDir dir;
    const auto path = dir.file("config.ini");
    writeFile(path,
        "[Other]\r\nFolder=wrong\r\n[settings]\r\n  folder =  /tmp/out  \r\nBROWSERX=0x320\r\n"
        "ThumbX=garbage\r\nSkip=0\r\n");
    IniFile ini(path);
    EXPECT_EQ(ini.readString("Settings", "Folder", "x"), "/tmp/out");
    EXPECT_EQ(ini.readInteger("Settings", "BrowserX", 1), 800);
    EXPECT_EQ(ini.readInteger("Settings", "ThumbX", 200), 200);
    EXPECT_FALSE(ini.readBool("Settings", "Skip", true));
    EXPECT_TRUE(ini.readBool("Settings", "KeepAspectRatio", true));
    EXPECT_EQ(ini.readString("Settings", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini.readString("Missing", "Folder", "dflt"), "dflt");
}

TEST(IniFile, MissingFileGivesEveryDefaultAndLongValuesAreCut)
{
    TempDir dir;
    IniFile missing(dir.file("none.ini"));
    EXPECT_EQ(missing.readString("Settings", "Folder", "d"), "d");
    EXPECT_EQ(missing.readInteger("Settings", "BrowserX", 800), 800);

    const auto path = dir.file("long.ini");
    writeFile(path, "[Settings]\nFolder=" + std::string(5000, 'a') + "\n");
    EXPECT_EQ(IniFile(path).readString("Settings", "Folder", "").size(), 2047u);
}

TEST(IniFile, WritingReplacesInPlaceAndKeepsForeignLines)
{
    TempDir dir;
    const auto path = dir.file("config.ini");
    writeFile(
        path, "; comment\r\n[Settings]\r\nfolder=old\r\nForeign=keep me\r\n\r\n[Other]\r\nx=1\r\n");
    IniFile ini(path);
    ini.writeString("Settings", "Folder", "new");
    ini.writeInteger("Settings", "BrowserX", 1024);
    ini.writeInteger("Fresh", "A", 5);
    EXPECT_EQ(readFile(path),
        "; comment\r\n[Settings]\r\nFolder=new\r\nForeign=keep me\r\nBrowserX=1024\r\n\r\n"
        "[Other]\r\nx=1\r\n[Fresh]\r\nA=5\r\n");
    EXPECT_EQ(ini.readInteger("settings", "browserx", 0), 1024);
}

TEST(IniFile, WriteIntoMissingFolderRaisesUnableToWrite)
{
    TempDir dir;
    const auto path = dir.file("no/such/folder/config.ini");
    IniFile ini(path);
    EXPECT_THROW(
        {
            try {
                ini.writeBool("Settings", "Skip", true);
            } catch (const Error& error) {
                EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
                throw;
            }
        },
        Error);
}
