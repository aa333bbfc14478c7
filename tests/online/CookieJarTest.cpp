#include "online/CookieJar.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

using namespace std::chrono_literals;
using Clock = CookieJar::Clock;

const Clock::time_point now = Clock::from_time_t(1700000000); // 14 Nov 2023

struct Sent {
    const char* host;
    const char* path;
    const char* expected;
};

void expectHeaders(
    const CookieJar& jar, std::initializer_list<Sent> requests, Clock::time_point at = now)
{
    for (const Sent& request : requests)
        EXPECT_EQ(jar.headerFor(request.host, request.path, at), request.expected)
            << request.host << request.path;
}

TEST(CookieJar, HostOnlyCookieGoesBackToItsHostOnly)
{
    CookieJar jar;
    jar.receive("sid=abc", "news.example.com", "/news/getlastnews.php", now);
    expectHeaders(jar,
        {{"news.example.com", "/news/getnewsdetails.php", "sid=abc"},
            {"NEWS.example.com", "/news/x", "sid=abc"}, {"example.com", "/news/x", ""},
            {"a.news.example.com", "/news/x", ""}, {"news.example.com", "/other", ""}});
}

TEST(CookieJar, DomainCookieCoversSubdomainsAndNeedsAMatchingHost)
{
    CookieJar jar;
    jar.receive("a=1; Domain=.example.com; Path=/", "news.example.com", "/x", now);
    jar.receive("b=2; Domain=other.com; Path=/", "news.example.com", "/x", now);
    expectHeaders(jar,
        {{"example.com", "/", "a=1"}, {"deep.news.example.com", "/q", "a=1"},
            {"badexample.com", "/", ""}, {"other.com", "/", ""}});
}

TEST(CookieJar, PathMatchesOnSegmentBoundaries)
{
    CookieJar jar;
    jar.receive("p=1; Path=/news", "h", "/", now);
    expectHeaders(jar,
        {{"h", "/news", "p=1"}, {"h", "/news/", "p=1"}, {"h", "/news/a.php?x=1", "p=1"},
            {"h", "/newsroom", ""}, {"h", "/", ""}});
}

TEST(CookieJar, DefaultPathIsTheRequestFolder)
{
    CookieJar jar;
    jar.receive("d=1", "h", "/news/getlastnews.php?x=/y/z", now);
    jar.receive("r=1", "h", "/top.php", now);
    expectHeaders(jar, {{"h", "/news/other.php", "d=1; r=1"}, {"h", "/elsewhere", "r=1"}});
}

TEST(CookieJar, ExpiresAndMaxAgeDropCookies)
{
    CookieJar jar;
    jar.receive("old=1; Expires=Wed, 09 Jun 2021 10:18:14 GMT", "h", "/", now);
    jar.receive("later=1; Expires=Fri, 01-Jan-2100 00:00:00 GMT", "h", "/", now);
    jar.receive("short=1; Max-Age=60", "h", "/", now);
    jar.receive("gone=1; Max-Age=0", "h", "/", now);
    jar.receive("wins=1; Max-Age=60; Expires=Wed, 09 Jun 2021 10:18:14 GMT", "h", "/", now);
    expectHeaders(jar, {{"h", "/", "later=1; short=1; wins=1"}});
    expectHeaders(jar, {{"h", "/", "later=1"}}, now + 61s);
}

TEST(CookieJar, SameCookieIsReplacedOrDeleted)
{
    CookieJar jar;
    jar.receive("a=1", "h", "/", now);
    jar.receive("b=2", "h", "/", now);
    jar.receive("a=3", "h", "/", now);
    expectHeaders(jar, {{"h", "/", "a=3; b=2"}});
    jar.receive("a=; Expires=Thu, 01 Jan 1970 00:00:00 GMT", "h", "/", now);
    expectHeaders(jar, {{"h", "/", "b=2"}});
}

TEST(CookieJar, FarPastLifetimesStillDeleteTheCookie)
{
    CookieJar jar;
    for (const char* name : {"a", "b", "c"})
        jar.receive(std::string(name) + "=1", "h", "/", now);
    jar.receive("a=; Max-Age=-999999999999", "h", "/", now);
    jar.receive("b=; Expires=Mon, 01 Jan 1601 00:00:00 GMT", "h", "/", now);
    jar.receive("c=; Expires=Fri, 01 Jan 1650 00:00:00 GMT", "h", "/", now);
    expectHeaders(jar, {{"h", "/", ""}});
}

TEST(CookieJar, LongerPathsFirstSecureNeverAndBadLinesIgnored)
{
    CookieJar jar;
    jar.receive("top=1; Path=/", "h", "/", now);
    jar.receive("deep=2; Path=/a/b", "h", "/", now);
    jar.receive("s=3; Secure", "h", "/", now);
    jar.receive("novalue", "h", "/", now);
    jar.receive("=x", "h", "/", now);
    expectHeaders(jar, {{"h", "/a/b/c", "deep=2; top=1"}});
}

TEST(CookieJar, DomainAttributeNeverWidensAnIpAddress)
{
    CookieJar jar;
    jar.receive("a=1; Domain=0.0.1", "127.0.0.1", "/", now);
    jar.receive("b=2; Domain=127.0.0.1", "127.0.0.1", "/", now);
    expectHeaders(jar, {{"127.0.0.1", "/", "b=2"}, {"10.0.0.1", "/", ""}});
}

TEST(CookieDate, ReadsTheUsualForms)
{
    const auto expected = Clock::from_time_t(1623233894);
    for (const char* text : {"Wed, 09 Jun 2021 10:18:14 GMT", "Wednesday, 09-Jun-21 10:18:14 GMT",
             "Wed Jun  9 10:18:14 2021"})
        EXPECT_EQ(parseCookieDate(text), expected) << text;
    for (const char* text : {"", "tomorrow", "09 Jun 2021", "32 Jun 2021 10:00:00"})
        EXPECT_FALSE(parseCookieDate(text)) << text;
}

} // namespace
} // namespace lumivane
