#include "online/HttpClient.h"
#include "tests/support/RawHttpServer.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

namespace lumivane {
namespace {

using test::RawHttpServer;

const std::string userAgent = "User-Agent: Mozilla/4.0 (compatible; MSIE 5.5; Windows NT 4.0)\r\n";

std::string boundaryOf(const std::string& request)
{
    std::smatch match;
    const std::regex pattern("boundary=(-{8}[0-9]{15})\r\n");
    return std::regex_search(request, match, pattern) ? match[1].str() : std::string();
}

std::string pathOf(const std::string& request)
{
    const auto first = request.find(' ');
    return request.substr(first + 1, request.find(' ', first + 1) - first - 1);
}

class HttpClientWire : public ::testing::Test {
protected:
    std::string hostHeader() const
    {
        return "Host: 127.0.0.1:" + std::to_string(server.port()) + "\r\n";
    }
    std::string getHead(const std::string& path, const std::string& connection,
        const std::string& contentType, const std::string& cookie = {}) const
    {
        return "GET " + path + " HTTP/1.1\r\n" + connection + "Content-Type: " + contentType
            + "\r\n" + hostHeader() + "Accept: text/html, */*\r\n" + userAgent + cookie + "\r\n";
    }

    RawHttpServer server;
    HttpClient client;
    test::TempDir folder;
};

TEST_F(HttpClientWire, PostGoesOutAsHttp10WithTheMultipartBody)
{
    server.addReply(RawHttpServer::reply(200, "reply body"));
    EXPECT_EQ(client.postForm(server.url("/news/post.php?x=1"), {{"a", "1"}, {"empty", ""}}),
        "reply body");

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    const std::string boundary = boundaryOf(requests[0].bytes);
    ASSERT_FALSE(boundary.empty()) << requests[0].bytes;
    const std::string body = "--" + boundary
        + "\r\nContent-Disposition: form-data; name=\"a\"\r\n\r\n1\r\n--" + boundary
        + "\r\nContent-Disposition: form-data; name=\"empty\"\r\n\r\n\r\n\r\n--" + boundary
        + "--\r\n";
    EXPECT_EQ(requests[0].bytes,
        "POST /news/post.php?x=1 HTTP/1.0\r\nConnection: keep-alive\r\n"
        "Content-Type: multipart/form-data; boundary="
            + boundary + "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n"
            + hostHeader() + "Accept: text/html, */*\r\n" + userAgent + "\r\n" + body);
}

TEST_F(HttpClientWire, GetCarriesTheContentTypeAndConnectionOfTheLastPost)
{
    const std::string target = folder.file("out.txt");
    server.addReply(RawHttpServer::reply(200, "first"));
    server.addReply(RawHttpServer::reply(200, "OK"));
    server.addReply(RawHttpServer::reply(200, "second"));
    ASSERT_TRUE(client.downloadToFile(server.url("/a.inf"), target));
    client.postForm(server.url("/p"), {{"k", "v"}});
    ASSERT_TRUE(client.downloadToFile(server.url("/b.inf"), target));
    EXPECT_EQ(test::readFile(target), "second");

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].bytes, getHead("/a.inf", "", "text/html"));
    EXPECT_EQ(requests[2].bytes,
        getHead("/b.inf", "Connection: keep-alive\r\n",
            "multipart/form-data; boundary=" + boundaryOf(requests[1].bytes)));
}

TEST_F(HttpClientWire, PostRedirectedBy302IsResentAsPostWithTheSameBody)
{
    server.addReply(RawHttpServer::reply(302, "", "Location: /moved/here.php\r\n"));
    server.addReply(RawHttpServer::reply(200, "moved reply"));
    EXPECT_EQ(client.postForm(server.url("/first.php"), {{"f", "v"}}), "moved reply");

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(pathOf(requests[1].bytes), "/moved/here.php");
    std::string resent = requests[1].bytes;
    resent.replace(5, std::string("/moved/here.php").size(), "/first.php");
    EXPECT_EQ(resent, requests[0].bytes);
    EXPECT_EQ(requests[1].connection, 2) << "every POST starts a new connection";
}

TEST_F(HttpClientWire, FifteenRequestsAtMostThenAnEmptyBodyWithoutError)
{
    for (int i = 0; i < 15; ++i)
        server.addReply(RawHttpServer::reply(302, "moved", "Location: /loop\r\n"));
    const std::string target = folder.file("update.inf");
    test::writeFile(target, "old");
    EXPECT_TRUE(client.downloadToFile(server.url("/loop"), target));
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_EQ(test::readFile(target), "");
    EXPECT_EQ(server.requests().size(), 15u);

    for (int i = 0; i < 15; ++i)
        server.addReply(RawHttpServer::reply(301, "moved", "Location: /loop\r\n"));
    EXPECT_EQ(client.postForm(server.url("/loop"), {}), "");
    EXPECT_EQ(server.requests().size(), 30u);
}

TEST_F(HttpClientWire, FourteenRedirectsAreFollowed)
{
    for (int i = 0; i < 14; ++i)
        server.addReply(
            RawHttpServer::reply(307, "", "Location: /step" + std::to_string(i) + "\r\n"));
    server.addReply(RawHttpServer::reply(200, "arrived"));
    EXPECT_EQ(client.postForm(server.url("/start"), {}), "arrived");
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 15u);
    EXPECT_EQ(pathOf(requests.back().bytes), "/step13");
}

TEST_F(HttpClientWire, DownloadReplacesTheTargetAndA404LeavesNoFile)
{
    const std::string target = folder.file("mainappupdate.inf");
    test::writeFile(target, "previous content that is longer");
    server.addReply(RawHttpServer::reply(200, "[APPLICATION]\r\nVersion=2.1\r\n"));
    ASSERT_TRUE(client.downloadToFile(server.url("/mainappupdate.inf"), target));
    EXPECT_EQ(test::readFile(target), "[APPLICATION]\r\nVersion=2.1\r\n");

    server.addReply(RawHttpServer::reply(404, "<html>not here</html>"));
    EXPECT_FALSE(client.downloadToFile(server.url("/mainappupdate.inf"), target));
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(HttpClientWire, CookiesGoBackToTheHostThatSetThem)
{
    const std::string port = std::to_string(server.port());
    server.addReply(
        RawHttpServer::reply(200, "set", "Set-Cookie: sid=42; Path=/\r\nSet-Cookie: t=x\r\n"));
    server.addReply(RawHttpServer::reply(200, "same host"));
    server.addReply(RawHttpServer::reply(200, "other host"));
    client.postForm(server.url("/login.php"), {});
    client.postForm(server.url("/next.php"), {});
    client.postForm("http://localhost:" + port + "/next.php", {});

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].bytes.find("Cookie:"), std::string::npos);
    EXPECT_NE(requests[1].bytes.find(userAgent + "Cookie: sid=42; t=x\r\n\r\n"), std::string::npos)
        << requests[1].bytes;
    EXPECT_EQ(requests[2].bytes.find("Cookie:"), std::string::npos) << requests[2].bytes;
}

TEST_F(HttpClientWire, BodyFramings)
{
    const struct {
        const char* name;
        std::string reply;
        std::string body;
    } cases[] = {
        {"chunked",
            "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n"
            "5;ext=1\r\nhello\r\n1C\r\n, chunked world with \xAF"
            "OK end\r\n0\r\nX-Trailer: t\r\n\r\n",
            "hello, chunked world with \xAFOK end"},
        {"close-delimited", "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nuntil\r\nclose",
            "until\r\nclose"},
        {"content-length", "HTTP/1.1 200 OK\r\nContent-Length: 4\r\nConnection: close\r\n\r\nabcd",
            "abcd"},
        {"100 continue",
            "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 100 Continue\r\nX: y\r\n\r\n"
            "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nhi",
            "hi"},
        {"folded reply header, bare LF", "HTTP/1.1 200 OK\nX-Long: a\n b\nContent-Length: 3\n\nxyz",
            "xyz"},
        {"binary", std::string("HTTP/1.1 201 Created\r\nContent-Length: 3\r\n\r\n\0\xFF\n", 46),
            std::string("\0\xFF\n", 3)},
    };
    for (const auto& c : cases) {
        server.addReply(c.reply);
        EXPECT_EQ(client.postForm(server.url("/p"), {}), c.body) << c.name;
        server.addReply(c.reply);
        const std::string target = folder.file("file.bin");
        EXPECT_TRUE(client.downloadToFile(server.url("/d"), target)) << c.name;
        EXPECT_EQ(test::readFile(target), c.body) << c.name;
    }
}

TEST_F(HttpClientWire, KeptConnectionIsReusedByARedirectedGet)
{
    server.addReply(RawHttpServer::Reply {
        RawHttpServer::reply(302, "", "Connection: keep-alive\r\nLocation: /b\r\n"), false});
    server.addReply(RawHttpServer::reply(200, "b"));
    const std::string target = folder.file("t");
    ASSERT_TRUE(client.downloadToFile(server.url("/a"), target));
    EXPECT_EQ(test::readFile(target), "b");
    EXPECT_EQ(server.connectionCount(), 1);
}

TEST_F(HttpClientWire, KeptConnectionThatTheServerClosedIsReplacedOnce)
{
    server.addReply(RawHttpServer::reply(302, "", "Connection: keep-alive\r\nLocation: /b\r\n"));
    server.addReply(RawHttpServer::reply(200, "fresh"));
    const std::string target = folder.file("t");
    ASSERT_TRUE(client.downloadToFile(server.url("/a"), target));
    EXPECT_EQ(test::readFile(target), "fresh");
    EXPECT_EQ(server.connectionCount(), 2);
}

TEST_F(HttpClientWire, RedirectToAnotherServerFollowsAcrossConnections)
{
    RawHttpServer other;
    other.addReply(RawHttpServer::reply(200, "other server"));
    server.addReply(RawHttpServer::reply(302, "", "Location: " + other.url("/there") + "\r\n"));
    EXPECT_EQ(client.postForm(server.url("/here"), {{"a", "b"}}), "other server");
    ASSERT_EQ(other.requests().size(), 1u);
    EXPECT_NE(other.requests()[0].bytes.find("Host: 127.0.0.1:" + std::to_string(other.port())),
        std::string::npos);
}

} // namespace
} // namespace lumivane
