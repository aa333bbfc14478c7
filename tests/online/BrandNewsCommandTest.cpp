#include "tests/support/RawHttpServer.h"
#include "tests/support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace lumivane {
namespace {

using test::RawHttpServer;
using test::TempDir;

struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;
};

ToolRun brandTool(const TempDir& dir, const std::string& arguments)
{
    const char* bin = std::getenv("LUMIVANE_BIN_DIR");
    const std::string command = "cd '" + dir.path().string() + "' && '"
        + std::string(bin ? bin : ".") + "/lumivane-brand' " + arguments
        + " > tool.out 2> tool.err";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::readFile(dir.file("tool.out")),
        test::readFile(dir.file("tool.err"))};
}

std::string profile(const std::string& tier, const std::string& goldUrl)
{
    return "<%%ApplicationName%%>News Try<%%/ApplicationName%%>\r\n"
           "<%%BranderCode%%>NT9<%%/BranderCode%%>\r\n"
           "<%%BranderType%%>"
        + tier
        + "<%%/BranderType%%>\r\n"
          "<%%GoldNewsBaseURL%%>"
        + goldUrl
        + "<%%/GoldNewsBaseURL%%>\r\n"
          "<%%GoldPublID%%>g55<%%/GoldPublID%%>\r\n";
}

class BrandNewsCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::writeFile(dir.file("gold.txt"), profile("Gold", server.url("/news")));
    }

    RawHttpServer server;
    TempDir dir;
};

TEST_F(BrandNewsCommand, EachRequestPrintsWhatCameBack)
{
    server.addReply(RawHttpServer::reply(200, "13^Spring^2008-03-05\xAFOK"));
    server.addReply(RawHttpServer::reply(200,
        "13^Spring^d1\xAF"
        "12^Winter^d2\xAFOK\r\n"));
    server.addReply(RawHttpServer::reply(200, "$3Cb$3EHi$3C/b$3E\xAFOK"));

    const ToolRun latest = brandTool(dir, "news --plain gold.txt latest");
    EXPECT_EQ(latest.exitCode, 0) << latest.err;
    EXPECT_EQ(latest.out, "NewsId=13\nTitle=Spring\n");
    const ToolRun list = brandTool(dir, "news --plain gold.txt list");
    EXPECT_EQ(list.exitCode, 0) << list.err;
    EXPECT_EQ(list.out, "13^Spring^d1\n12^Winter^d2\n");
    const ToolRun details = brandTool(dir, "news --plain gold.txt details 12");
    EXPECT_EQ(details.exitCode, 0) << details.err;
    EXPECT_EQ(details.out, "<b>Hi</b>");

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 3u);
    for (const auto& request : requests) {
        EXPECT_NE(request.bytes.find("name=\"memusername\"\r\n\r\ng55\r\n"), std::string::npos);
        EXPECT_NE(request.bytes.find("name=\"prodcode\"\r\n\r\nNT9\r\n"), std::string::npos);
        EXPECT_NE(request.bytes.find("name=\"prodtype\"\r\n\r\nBG\r\n"), std::string::npos);
    }
    EXPECT_EQ(requests[0].bytes.rfind("POST /news/getlastnews.php HTTP/1.0\r\n", 0), 0u);
    EXPECT_NE(requests[0].bytes.find("name=\"conttype\"\r\n\r\nlastcode\r\n"), std::string::npos);
    EXPECT_NE(requests[1].bytes.find("name=\"conttype\"\r\n\r\nall\r\n"), std::string::npos);
    EXPECT_EQ(requests[2].bytes.rfind("POST /news/getnewsdetails.php HTTP/1.0\r\n", 0), 0u);
    EXPECT_NE(requests[2].bytes.find("name=\"newsid\"\r\n\r\n12\r\n"), std::string::npos);
}

TEST_F(BrandNewsCommand, FailuresGoToStandardErrorWithExitOne)
{
    server.addReply(RawHttpServer::reply(200, "INVALIDUSER"));
    server.addReply(RawHttpServer::reply(404, "gone"));
    const ToolRun invalid = brandTool(dir, "news --plain gold.txt latest");
    EXPECT_EQ(invalid.exitCode, 1);
    EXPECT_EQ(invalid.out, "");
    EXPECT_NE(invalid.err.find("There is a trouble with the Publisher Id. Contact your provider."),
        std::string::npos)
        << invalid.err;
    const ToolRun missing = brandTool(dir, "news --plain gold.txt list");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("There is a trouble accessing the news site."), std::string::npos);

    test::writeFile(dir.file("free.txt"), profile("Free", server.url("/news")));
    const ToolRun free = brandTool(dir, "news --plain free.txt list");
    EXPECT_EQ(free.exitCode, 1);
    EXPECT_NE(free.err.find("\"Free\""), std::string::npos) << free.err;
    EXPECT_EQ(server.requests().size(), 2u);

    EXPECT_EQ(brandTool(dir, "news --plain gold.txt details").exitCode, 2);
    EXPECT_EQ(brandTool(dir, "news --plain gold.txt list 3").exitCode, 2);
    EXPECT_EQ(brandTool(dir, "news --plain gold.txt newest").exitCode, 2);
}

TEST_F(BrandNewsCommand, ReadsTheEncryptedProfile)
{
    ASSERT_EQ(brandTool(dir, "encrypt gold.txt dbsettings.dat").exitCode, 0);
    server.addReply(RawHttpServer::reply(200, "OK"));
    const ToolRun list = brandTool(dir, "news dbsettings.dat list");
    EXPECT_EQ(list.exitCode, 0) << list.err;
    EXPECT_EQ(list.out, "");
    EXPECT_EQ(server.requests().size(), 1u);
}

} // namespace
} // namespace lumivane
