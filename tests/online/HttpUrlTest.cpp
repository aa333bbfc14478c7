#include "online/HttpUrl.h"
#include "platform/Error.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(HttpUrl, ReadsHostPortAndPathUnchanged)
{
    const struct {
        std::string url;
        std::string host;
        int port;
        std::string path;
        std::string hostHeader;
    } cases[] = {
        {"http://news.example.com/news/getlastnews.php", "news.example.com", 80,
            "/news/getlastnews.php", "news.example.com"},
        {"HTTP://Example.com", "Example.com", 80, "/", "Example.com"},
        {"http://127.0.0.1:8080/a?b=c&d", "127.0.0.1", 8080, "/a?b=c&d", "127.0.0.1:8080"},
        {"http://h:80/x#frag", "h", 80, "/x", "h"},
        {"http://h?q=1", "h", 80, "/?q=1", "h"},
        {"http://[::1]:81/p", "[::1]", 81, "/p", "[::1]:81"},
    };
    for (const auto& c : cases) {
        const HttpUrl url = parseHttpUrl(c.url);
        EXPECT_EQ(url.host, c.host) << c.url;
        EXPECT_EQ(url.port, c.port) << c.url;
        EXPECT_EQ(url.path, c.path) << c.url;
        EXPECT_EQ(url.hostHeader(), c.hostHeader) << c.url;
    }
    EXPECT_EQ(parseHttpUrl("http://[::1]/").connectHost(), "::1");
}

TEST(HttpUrl, RefusesWhatTheClientCannotAsk)
{
    for (const char* url : {"/getlastnews.php", "https://example.com/", "ftp://h/", "http:///path",
             "http://h:0/", "http://h:99999/", "http://h:8x/", "http://user:pw@h/", "http://h/a b",
             "http://h/a\r\nX: y", "", "example.com/x"})
        EXPECT_THROW(parseHttpUrl(url), Error) << url;
}

TEST(HttpUrl, ResolvesRedirectTargets)
{
    const HttpUrl current = parseHttpUrl("http://h:81/dir/page.php?x=1");
    const struct {
        std::string location;
        std::string host;
        int port;
        std::string path;
    } cases[] = {
        {"http://other/z", "other", 80, "/z"},
        {"//third:82/y", "third", 82, "/y"},
        {"/root.php", "h", 81, "/root.php"},
        {"next.php?y=2", "h", 81, "/dir/next.php?y=2"},
        {"?y=2", "h", 81, "/dir/page.php?y=2"},
        {"", "h", 81, "/dir/page.php?x=1"},
    };
    for (const auto& c : cases) {
        const HttpUrl next = resolveRedirect(current, c.location);
        EXPECT_EQ(next.host, c.host) << c.location;
        EXPECT_EQ(next.port, c.port) << c.location;
        EXPECT_EQ(next.path, c.path) << c.location;
    }
    for (const char* location : {"https://h/", "javascript:alert(1)", "file:///etc/passwd"})
        EXPECT_THROW(resolveRedirect(current, location), Error) << location;
}

} // namespace
} // namespace lumivane
