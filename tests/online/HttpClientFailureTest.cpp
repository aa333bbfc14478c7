#include "online/HttpClient.h"
#include "platform/Error.h"
#include "tests/support/RawHttpServer.h"
#include "tests/support/TempDir.h"

#include <arpa/inet.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace lumivane {
namespace {

using test::RawHttpServer;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

struct BadReply {
    const char* name;
    RawHttpServer::Reply reply;
};

/// Each reply must make a POST raise and a download return false without a file.
void expectFailure(const BadReply& bad)
{
    RawHttpServer server;
    server.addReply(bad.reply);
    server.addReply(bad.reply);
    HttpClient client;
    EXPECT_THROW(client.postForm(server.url("/p"), {{"a", "b"}}), Error) << bad.name;
    test::TempDir folder;
    const std::string target = folder.file("target");
    test::writeFile(target, "old");
    EXPECT_FALSE(client.downloadToFile(server.url("/d"), target)) << bad.name;
    EXPECT_FALSE(std::filesystem::exists(target)) << bad.name;
}

TEST(HttpClientFailure, BadRepliesFailCleanly)
{
    const BadReply cases[] = {
        {"garbage", {"hello there\r\n\r\n"}},
        {"nothing at all", {""}},
        {"status line only", {"HTTP/1.1 200 OK\r\n"}},
        {"short body", {"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nonly this"}},
        {"bad content length", {"HTTP/1.1 200 OK\r\nContent-Length: -3\r\n\r\nabc"}},
        {"bad chunk", {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nabc"}},
        {"cut chunk", {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n10\r\nabc"}},
        {"no colon", {"HTTP/1.1 200 OK\r\nnot a header\r\n\r\n"}},
        {"404", {RawHttpServer::reply(404, "missing")}},
        {"500", {RawHttpServer::reply(500, "broken")}},
        {"304", {"HTTP/1.1 304 Not Modified\r\nConnection: close\r\n\r\n"}},
        {"401", {RawHttpServer::reply(401, "who")}},
        {"302 without Location", {RawHttpServer::reply(302, "")}},
        {"redirect to https",
            {RawHttpServer::reply(302, "", "Location: https://127.0.0.1/secure\r\n")}},
        {"redirect to file", {RawHttpServer::reply(301, "", "Location: file:///etc/passwd\r\n")}},
        {"redirect with a control character",
            {RawHttpServer::reply(302, "", "Location: /a\rX: injected\r\n")}},
        {"endless header line",
            {"HTTP/1.1 200 OK\r\nX-Long: ", true, false, std::string(4096, 'a')}},
        {"endless header lines", {"HTTP/1.1 200 OK\r\n", true, false, "X-Again: and again\r\n"}},
        {"endless status line", {"HTTP/1.1 200 ", true, false, std::string(4096, 'b')}},
    };
    for (const BadReply& bad : cases)
        expectFailure(bad);
}

TEST(HttpClientFailure, UrlsTheClientCannotAskFailWithoutTraffic)
{
    HttpClient client;
    test::TempDir folder;
    for (const char* url : {"/getlastnews.php", "https://127.0.0.1/x", "ftp://127.0.0.1/x", ""}) {
        EXPECT_THROW(client.postForm(url, {}), Error) << url;
        EXPECT_FALSE(client.downloadToFile(url, folder.file("f"))) << url;
        EXPECT_FALSE(std::filesystem::exists(folder.file("f"))) << url;
    }
}

TEST(HttpClientFailure, TenMegabyteRepliesArriveWhole)
{
    std::string big(10 * 1024 * 1024, 'x');
    for (std::size_t i = 0; i < big.size(); i += 4096)
        big[i] = static_cast<char>('a' + (i / 4096) % 26);
    RawHttpServer server;
    server.addReply(RawHttpServer::reply(200, big));
    server.addReply("HTTP/1.0 200 OK\r\n\r\n" + big);
    HttpClient client;
    EXPECT_EQ(client.postForm(server.url("/big"), {}), big);
    test::TempDir folder;
    ASSERT_TRUE(client.downloadToFile(server.url("/big"), folder.file("big")));
    EXPECT_EQ(std::filesystem::file_size(folder.file("big")), big.size());
    EXPECT_EQ(test::readFile(folder.file("big")), big);
}

TEST(HttpClientFailure, DownloadsOverTheLimitFailAndLeaveNoFile)
{
    const std::string body(1000, 'b');
    const std::string chunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                                "3e8\r\n"
        + body + "\r\n0\r\n\r\n";
    const struct {
        const char* name;
        std::string reply;
    } framings[] = {
        {"Content-Length", RawHttpServer::reply(200, body)},
        {"chunked", chunked},
        {"until close", "HTTP/1.0 200 OK\r\n\r\n" + body},
    };
    const struct {
        std::uint64_t limit;
        bool fits;
    } limits[] = {{999, false}, {1, false}, {0, false}, {1000, true}, {unlimitedDownload, true}};
    for (const auto& framing : framings) {
        for (const auto& limit : limits) {
            RawHttpServer server;
            server.addReply(framing.reply);
            HttpClient client;
            test::TempDir folder;
            const std::string target = folder.file("f");
            const bool done = client.downloadToFile(server.url("/f"), target, limit.limit);
            EXPECT_EQ(done, limit.fits) << framing.name << " " << limit.limit;
            EXPECT_EQ(std::filesystem::exists(target), limit.fits) << framing.name;
            if (limit.fits) {
                EXPECT_EQ(test::readFile(target), body) << framing.name;
            }
        }
    }
}

TEST(HttpClientFailure, AnEndlessDownloadStopsAtTheLimit)
{
    RawHttpServer server;
    server.addReply(
        RawHttpServer::Reply {"HTTP/1.0 200 OK\r\n\r\n", true, false, std::string(4096, 'x')});
    HttpClient client;
    test::TempDir folder;
    EXPECT_FALSE(client.downloadToFile(server.url("/endless"), folder.file("f"), 64 * 1024));
    EXPECT_FALSE(std::filesystem::exists(folder.file("f")));
}

TEST(HttpClientFailure, PumpRunsWhileTheServerIsSlow)
{
    RawHttpServer server;
    server.addReply(RawHttpServer::Reply {RawHttpServer::reply(200, "late"), true, true});
    int calls = 0;
    HttpClient client([&] {
        if (++calls == 3)
            server.release();
    });
    const auto started = Clock::now();
    EXPECT_EQ(client.postForm(server.url("/slow"), {}), "late");
    EXPECT_GE(calls, 3);
    // Three empty 250 ms slices came before the reply was let out.
    EXPECT_GE(Clock::now() - started, 700ms);
}

TEST(HttpClientFailure, RefusedConnectFailsPromptly)
{
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const std::string url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/x";

    HttpClient client;
    test::TempDir folder;
    const auto started = Clock::now();
    EXPECT_THROW(client.postForm(url, {}), Error);
    EXPECT_FALSE(client.downloadToFile(url, folder.file("f")));
    EXPECT_LT(Clock::now() - started, 2s);
    close(probe);
}

TEST(HttpClientFailure, ConnectGivesUpAtTheConnectLimitWhilePumping)
{
    // A listener whose accept queue is full drops further connection attempts,
    // so the next connect hangs until the limit.
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 0), 0);
    ASSERT_EQ(getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
    std::vector<int> fillers;
    for (int i = 0; i < 4; ++i) {
        fillers.push_back(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0));
        connect(fillers.back(), reinterpret_cast<sockaddr*>(&address), sizeof address);
    }

    int calls = 0;
    HttpClient client([&] { ++calls; }, HttpClientTiming {600ms, 125ms, 250ms});
    const auto started = Clock::now();
    EXPECT_THROW(
        client.postForm("http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/", {}),
        Error);
    const auto elapsed = Clock::now() - started;
    EXPECT_GE(elapsed, 550ms);
    EXPECT_LT(elapsed, 3s);
    EXPECT_GE(calls, 3);
    for (int fd : fillers)
        close(fd);
    close(listener);
}

TEST(HttpClientFailure, DisconnectFromThePumpEndsTheCall)
{
    RawHttpServer server;
    server.addReply(RawHttpServer::Reply {RawHttpServer::reply(200, "never seen"), true, true});
    HttpClient* self = nullptr;
    HttpClient client([&] { self->disconnect(); });
    self = &client;
    EXPECT_THROW(client.postForm(server.url("/slow"), {}), Error);
    server.release();
}

TEST(HttpClientFailure, CallFromInsideThePumpIsRefusedAndTheOuterCallGoesOn)
{
    RawHttpServer server;
    server.addReply(RawHttpServer::Reply {RawHttpServer::reply(200, "outer"), true, true});
    test::TempDir folder;
    HttpClient* self = nullptr;
    bool nestedPostFailed = false;
    bool nestedDownloadFailed = false;
    HttpClient client([&] {
        if (nestedPostFailed)
            return;
        try {
            self->postForm(server.url("/nested"), {});
        } catch (const Error&) {
            nestedPostFailed = true;
        }
        nestedDownloadFailed = !self->downloadToFile(server.url("/nested"), folder.file("n"));
        server.release();
    });
    self = &client;
    EXPECT_EQ(client.postForm(server.url("/outer"), {}), "outer");
    EXPECT_TRUE(nestedPostFailed);
    EXPECT_TRUE(nestedDownloadFailed);
    EXPECT_FALSE(std::filesystem::exists(folder.file("n")));
    EXPECT_EQ(server.requests().size(), 1u);
}

} // namespace
} // namespace lumivane
