#include "brand/ProfileFile.h"
#include "brand/BrandProfile.h"
#include "brand/ContainerFiles.h"
#include "platform/Error.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace lumivane {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

/// A program folder with a profile encrypted from plaintext.
class ProfileFolder : public TempDir {
public:
    void writeProfile(const std::string& plain, const std::string& password = builtInPassword)
    {
        TEncryption cipher(password, containerBufferSize);
        std::istringstream source(plain);
        std::ostringstream container;
        ASSERT_TRUE(cipher.EncryptStream(source, container));
        writeFile(dat(), container.str());
    }
    std::string plain() const
    {
        const ProfileLines profile = readProfileLines(dat(), file("check.sim"));
        return joinLines(profile.lines);
    }
    std::string dat() const { return file("dbsettings.dat"); }
    bool simLeft() const { return std::filesystem::exists(file("dbsettings.sim")); }
    std::string folder() const { return path().string(); }

private:
    static std::string joinLines(const std::vector<std::string>& lines)
    {
        std::string text;
        for (const auto& line : lines) {
            text += line + "\r\n";
        }
        return text;
    }
};

const std::string sample = "<%%ApplicationName%%>Thumbs<%%/ApplicationName%%>\r\n"
                           "<%%BranderCode%%>BC9<%%/BranderCode%%>\r\n"
                           "<%%BranderType%%>Gold<%%/BranderType%%>\r\n"
                           "<%%GoldNewsBaseURL%%>http://news/<%%/GoldNewsBaseURL%%>\r\n"
                           "<%%GoldPublID%%>77<%%/GoldPublID%%>\r\n"
                           "<%%Link1%%>Home^http://home/<%%/Link1%%>\r\n";

TEST(ProfileFile, MissingProfileReadsNothing)
{
    ProfileFolder dir;
    EXPECT_FALSE(LoadBrandProfileRecord(dir.folder()).has_value());
    EXPECT_EQ(ReadLastNewsId(dir.folder()), "");
    EXPECT_FALSE(WriteLastNewsId(dir.folder(), "5"));
    EXPECT_FALSE(std::filesystem::exists(dir.dat()));
    EXPECT_FALSE(dir.simLeft());
}

TEST(ProfileFile, LoadsTheRecordAndDeletesThePlaintext)
{
    ProfileFolder dir;
    dir.writeProfile(sample);
    const auto profile = LoadBrandProfileRecord(dir.folder());
    ASSERT_TRUE(profile.has_value());
    EXPECT_EQ(profile->windowCaption, "Thumbs v2.0");
    EXPECT_EQ(profile->BranderCode, "BC9");
    EXPECT_TRUE(profile->newsButtonVisible);
    EXPECT_EQ(profile->Link, std::vector<std::string> {"Home^http://home/"});
    EXPECT_FALSE(dir.simLeft());
}

TEST(ProfileFile, UnreadableProfilesGiveEmptyValues)
{
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""}, {"truncated", std::string(12, 'x')}, {"random", std::string(5000, '\x5c')}};
    for (const auto& c : cases) {
        ProfileFolder dir;
        writeFile(dir.dat(), c.bytes);
        const auto profile = LoadBrandProfileRecord(dir.folder());
        ASSERT_TRUE(profile.has_value()) << c.name;
        EXPECT_EQ(profile->ApplicationName, "") << c.name;
        EXPECT_EQ(profile->windowCaption, " v2.0") << c.name;
        EXPECT_EQ(profile->makeMoneyCaption, "Make Money") << c.name;
        EXPECT_FALSE(profile->newsButtonVisible) << c.name;
        EXPECT_FALSE(dir.simLeft()) << c.name;
    }
}

TEST(ProfileFile, AnotherPasswordGivesEmptyValues)
{
    ProfileFolder dir;
    dir.writeProfile(sample, "not the built-in one");
    EXPECT_EQ(LoadBrandProfileRecord(dir.folder())->ApplicationName, "");
}

TEST(ProfileFile, FailedAuthenticationIsReadAsDecrypted)
{
    ProfileFolder dir;
    dir.writeProfile(sample);
    std::string bytes = readFile(dir.dat());
    bytes[bytes.size() - 1] ^= 1;
    writeFile(dir.dat(), bytes);
    EXPECT_EQ(LoadBrandProfileRecord(dir.folder())->ApplicationName, "Thumbs");
}

TEST(ProfileFile, PlaintextThatCannotBeCreatedRaises)
{
    ProfileFolder dir;
    dir.writeProfile(sample);
    std::filesystem::create_directories(dir.file("dbsettings.sim/keep"));
    EXPECT_THROW(LoadBrandProfileRecord(dir.folder()), Error);
    EXPECT_THROW(ReadLastNewsId(dir.folder()), Error);
    EXPECT_THROW(WriteLastNewsId(dir.folder(), "1"), Error);
    std::filesystem::remove_all(dir.file("dbsettings.sim"));
    EXPECT_EQ(LoadBrandProfileRecord(dir.folder())->ApplicationName, "Thumbs");
}

TEST(ProfileFile, HugeRandomProfileReadsEmpty)
{
    ProfileFolder dir;
    {
        std::ofstream create(dir.dat(), std::ios::binary);
    }
    std::filesystem::resize_file(dir.dat(), 100u << 20);
    EXPECT_EQ(LoadBrandProfileRecord(dir.folder())->ApplicationName, "");
    EXPECT_FALSE(dir.simLeft());
}

TEST(LastNewsId, WriteReplacesOrAppendsTheLine)
{
    const struct {
        const char* name;
        std::string before;
        std::string after;
    } cases[] = {
        {"appended when missing", "<%%BranderCode%%>B<%%/BranderCode%%>",
            "<%%BranderCode%%>B<%%/BranderCode%%>\r\n<%%LastNewsId%%>12<%%/LastNewsId%%>\r\n"},
        {"replaced in place", "a\r\n<%%LastNewsId%%>3<%%/LastNewsId%%>\r\nb\r\n",
            "a\r\n<%%LastNewsId%%>12<%%/LastNewsId%%>\r\nb\r\n"},
        {"a shared line is replaced whole",
            "<%%GoldPublID%%>7<%%/GoldPublID%%><%%LastNewsId%%>3<%%/LastNewsId%%>\n",
            "<%%LastNewsId%%>12<%%/LastNewsId%%>\r\n"},
        {"an empty profile gets the one line", "", "<%%LastNewsId%%>12<%%/LastNewsId%%>\r\n"},
    };
    for (const auto& c : cases) {
        ProfileFolder dir;
        dir.writeProfile(c.before);
        EXPECT_TRUE(WriteLastNewsId(dir.folder(), "12")) << c.name;
        EXPECT_EQ(dir.plain(), c.after) << c.name;
        EXPECT_EQ(ReadLastNewsId(dir.folder()), "12") << c.name;
        EXPECT_FALSE(dir.simLeft()) << c.name;
        EXPECT_FALSE(std::filesystem::exists(dir.dat() + ".part")) << c.name;
    }
}

TEST(LastNewsId, OtherLetterCaseIsReadButAppendedOnWrite)
{
    ProfileFolder dir;
    dir.writeProfile("<%%lastnewsid%%>8<%%/LASTNEWSID%%>\r\n");
    EXPECT_EQ(ReadLastNewsId(dir.folder()), "8");
    EXPECT_TRUE(WriteLastNewsId(dir.folder(), "9"));
    EXPECT_EQ(dir.plain(),
        "<%%lastnewsid%%>8<%%/LASTNEWSID%%>\r\n<%%LastNewsId%%>9<%%/LastNewsId%%>\r\n");
    EXPECT_EQ(ReadLastNewsId(dir.folder()), "8");
}

TEST(LastNewsId, UnverifiedProfileIsLeftByteForByte)
{
    const struct {
        const char* name;
        std::string password;
        std::string bytes;
    } cases[] = {{"another password", "other", ""}, {"too short", "", std::string(15, 'z')},
        {"empty file", "", ""}};
    for (const auto& c : cases) {
        ProfileFolder dir;
        if (c.password.empty()) {
            writeFile(dir.dat(), c.bytes);
        } else {
            dir.writeProfile(sample, c.password);
        }
        const std::string before = readFile(dir.dat());
        EXPECT_FALSE(WriteLastNewsId(dir.folder(), "4")) << c.name;
        EXPECT_EQ(readFile(dir.dat()), before) << c.name;
        EXPECT_FALSE(dir.simLeft()) << c.name;
    }
}

TEST(LastNewsId, DamagedCodeIsRewrittenAsRead)
{
    ProfileFolder dir;
    dir.writeProfile(sample);
    std::string bytes = readFile(dir.dat());
    bytes.back() ^= 1;
    writeFile(dir.dat(), bytes);
    EXPECT_TRUE(WriteLastNewsId(dir.folder(), "6"));
    EXPECT_EQ(dir.plain(), sample + "<%%LastNewsId%%>6<%%/LastNewsId%%>\r\n");
    EXPECT_EQ(readProfileLines(dir.dat(), dir.file("x.sim")).result, DecryptResult::Success);
}

} // namespace
} // namespace lumivane
