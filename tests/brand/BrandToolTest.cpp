#include "brand/ContainerFiles.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

namespace lumivane {
namespace {

using test::fixturePath;
using test::readFile;
using test::TempDir;
using test::writeFile;

struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;
};

/// Runs lumivane-brand with the arguments (shell words) in dir.
ToolRun brand(const TempDir& dir, const std::string& arguments)
{
    const char* bin = std::getenv("LUMIVANE_BIN_DIR");
    const std::string command = "cd '" + dir.path().string() + "' && '"
        + std::string(bin ? bin : ".") + "/lumivane-brand' " + arguments
        + " > tool.out 2> tool.err";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(dir.file("tool.out")),
        readFile(dir.file("tool.err"))};
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(BrandTool, EncryptThenDecryptRoundTrip)
{
    TempDir dir;
    const std::string plain = readFile(fixturePath("brand/profile.txt"));
    writeFile(dir.file("plain.txt"), plain);
    EXPECT_EQ(brand(dir, "encrypt plain.txt dbsettings.dat").exitCode, 0);
    EXPECT_EQ(std::filesystem::file_size(dir.file("dbsettings.dat")), plain.size() + 20);
    EXPECT_TRUE(DecryptFileToFile(dir.file("dbsettings.dat"), dir.file("check")));
    EXPECT_EQ(readFile(dir.file("check")), plain);

    EXPECT_EQ(brand(dir, "decrypt dbsettings.dat back.txt").exitCode, 0);
    EXPECT_EQ(readFile(dir.file("back.txt")), plain);
    const ToolRun toStdout = brand(dir, "decrypt dbsettings.dat -");
    EXPECT_EQ(toStdout.exitCode, 0);
    EXPECT_EQ(toStdout.out, plain);
    EXPECT_EQ(brand(dir, "encrypt - piped.dat < plain.txt").exitCode, 0);
    EXPECT_EQ(brand(dir, "decrypt piped.dat -").out, plain);
}

TEST(BrandTool, FailedChecksExitWithOneAndWriteOnlyWithForce)
{
    TempDir dir;
    writeFile(dir.file("plain.txt"), "some text\r\n");
    ASSERT_EQ(brand(dir, "encrypt plain.txt good.dat").exitCode, 0);
    std::string damaged = readFile(dir.file("good.dat"));
    damaged[12] ^= 1;
    writeFile(dir.file("damaged.dat"), damaged);
    writeFile(dir.file("random.dat"), std::string(64, 'r'));

    const ToolRun auth = brand(dir, "decrypt damaged.dat out.txt");
    EXPECT_EQ(auth.exitCode, 1);
    EXPECT_TRUE(contains(auth.err, "authentication check failed")) << auth.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.txt")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.txt.part")));
    EXPECT_EQ(brand(dir, "decrypt --force damaged.dat out.txt").exitCode, 1);
    EXPECT_EQ(readFile(dir.file("out.txt")).size(), 11u);

    const ToolRun password = brand(dir, "decrypt random.dat out2.txt");
    EXPECT_EQ(password.exitCode, 1);
    EXPECT_TRUE(contains(password.err, "password check failed")) << password.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("out2.txt")));
    EXPECT_EQ(brand(dir, "decrypt missing.dat out3.txt").exitCode, 1);
}

TEST(BrandTool, ShowPrintsTheRecord)
{
    TempDir dir;
    EncryptFileToFile(fixturePath("brand/profile.txt"), dir.file("dbsettings.dat"));
    const ToolRun run = brand(dir, "show dbsettings.dat");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const char* lines[] = {
        "ApplicationName=Thumbnail Maker\n",
        "BranderType=Platinum\n",
        "AffiliateURL=http://shop.example/?aff=42\n",
        "MasterNewsBaseURL=\n",
        "AboutText=Line one\\r\\nLine two\n",
        "WindowCaption=Thumbnail Maker v2.0\n",
        "NewsButton=shown\n",
        "MakeMoneyCaption=Earn\n",
        "Welcome1=<html><body>Hello</body></html>\n",
        "Banner1=C:\\\\art\\\\promo.gif^http://promo.example/\n",
        "Link2=Shop^http://shop.example/\n",
        "LastNewsId=17\n",
    };
    for (const char* line : lines) {
        EXPECT_TRUE(contains(run.out, line)) << line << run.out;
    }
    EXPECT_EQ(brand(dir, "show --plain " + fixturePath("brand/profile.txt")).out, run.out);
}

TEST(BrandTool, ShowWarnsAboutLostValues)
{
    TempDir dir;
    const ToolRun run = brand(dir, "show --plain " + fixturePath("brand/out-of-order.txt"));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(contains(run.out, "BranderCode=\n"));
    EXPECT_TRUE(contains(run.out, "Welcome1=late\n"));
    EXPECT_FALSE(contains(run.out, "Link1="));
    EXPECT_TRUE(contains(run.err, "warning: BranderCode stands before ApplicationName")) << run.err;
    EXPECT_TRUE(contains(run.err, "warning: Link1 stands before Welcome1")) << run.err;
    EXPECT_TRUE(contains(run.err, "BranderType \"gold\" must be written \"Gold\"")) << run.err;

    writeFile(dir.file("other.dat"), std::string(40, 'q'));
    const ToolRun failed = brand(dir, "show other.dat");
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(contains(failed.out, "WindowCaption= v2.0\n"));
    EXPECT_TRUE(contains(failed.err, "password check failed"));
}

TEST(BrandTool, NewWritesATemplateTheReaderAccepts)
{
    TempDir dir;
    ASSERT_EQ(brand(dir, "new profile.txt").exitCode, 0);
    const std::string text = readFile(dir.file("profile.txt"));
    EXPECT_LT(text.find("<%%ApplicationName%%>"), text.find("<%%AboutText%%>"));
    EXPECT_LT(text.find("<%%AboutText%%>"), text.find("<%%Welcome1%%>"));
    EXPECT_LT(text.find("<%%Banner1%%>"), text.find("<%%Link1%%>"));
    const ToolRun shown = brand(dir, "show --plain profile.txt");
    EXPECT_EQ(shown.exitCode, 0);
    // Only the tier is left to fill in; nothing else is lost.
    EXPECT_EQ(shown.err,
        "warning: BranderType \"\" is not one of Master, Platinum, Gold, "
        "Free: the News button stays hidden\n");
    EXPECT_EQ(brand(dir, "new profile.txt").exitCode, 1);
    EXPECT_EQ(readFile(dir.file("profile.txt")), text);
    EXPECT_EQ(brand(dir, "new -").out, text);
}

TEST(BrandTool, HelpAndBadUsage)
{
    TempDir dir;
    const struct {
        const char* arguments;
        int exitCode;
        const char* text; // in stdout for 0, stderr otherwise
    } cases[] = {
        {"--help", 0, "decrypt"},
        {"decrypt --help", 0, "Usage: lumivane-brand decrypt [--force] DAT OUT"},
        {"encrypt --help", 0, "Usage: lumivane-brand encrypt PLAIN DAT"},
        {"show --help", 0, "Usage: lumivane-brand show [--plain] FILE"},
        {"new --help", 0, "Usage: lumivane-brand new PLAIN"},
        {"", 2, "no subcommand"},
        {"frobnicate", 2, "unknown subcommand frobnicate"},
        {"decrypt only-one", 2, "wrong number of arguments"},
        {"show --bogus x", 2, "unknown option --bogus"},
        {"encrypt a -", 2, "DAT must be a file"},
    };
    for (const auto& c : cases) {
        const ToolRun run = brand(dir, c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments;
        EXPECT_TRUE(contains(c.exitCode == 0 ? run.out : run.err, c.text))
            << c.arguments << ": " << run.out << run.err;
    }
}

} // namespace
} // namespace lumivane
