#include "online/NewsReply.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(NewsReply, TrimsBytesUpTo32AtBothEnds)
{
    EXPECT_EQ(trimNewsReply(" \r\n\t12^A b\xAFOK \r\n"), "12^A b\xAFOK");
    EXPECT_EQ(trimNewsReply(std::string("\0\x01 OK\x1F", 6)), "OK");
    EXPECT_EQ(trimNewsReply("\xA0x\xFF"), "\xA0x\xFF");
    EXPECT_EQ(trimNewsReply(" \r\n "), "");
}

TEST(NewsReply, OkAnywhereCaseSensitive)
{
    const struct {
        const char* reply;
        bool ok;
    } cases[] = {{"OK", true}, {"12^A\xAFOK", true}, {"BOOKS", true}, {"ok", false}, {"Ok", false},
        {"", false}, {"INVALIDUSER", false}};
    for (const auto& c : cases)
        EXPECT_EQ(isOkNewsReply(c.reply), c.ok) << c.reply;
}

TEST(NewsReply, ErrorWordsAndTheirWarnings)
{
    const std::string accessing
        = "There is a trouble accessing the news site. Contact your provider.";
    const struct {
        const char* reply;
        std::string list; ///< also the latest news request's
        std::string details;
    } cases[] = {
        {"", accessing, accessing},
        {"CONNECTIONFAIL", "There is a trouble in the settings file on the news site.",
            "There is a trouble in the settings file on the news site."},
        {"INVALIDUSER", "There is a trouble with the Publisher Id. Contact your provider.",
            "There is a trouble with the Publisher Id. Contact your provider."},
        {"INVALIDPRODUCT", "There is a trouble with the product validation. Contact your provider.",
            "There is a trouble with the product validation. Contact your provider."},
        {"INVALIDNEWS", "", "There is a trouble with this news. Contact your provider."},
        {"invaliduser", "", ""},
        {"INVALIDUSER2", "", ""},
        {"something else", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(newsErrorMessage(c.reply, NewsRequest::List), c.list) << c.reply;
        EXPECT_EQ(newsErrorMessage(c.reply, NewsRequest::Latest), c.list) << c.reply;
        EXPECT_EQ(newsErrorMessage(c.reply, NewsRequest::Details), c.details) << c.reply;
    }
}

TEST(NewsReply, ListCutAt0xAF)
{
    const struct {
        std::string reply;
        std::vector<std::string> items;
    } cases[] = {
        {"12^A^d1\xAF"
         "11^B^d2\xAFOK",
            {"12^A^d1", "11^B^d2"}},
        {"OK", {}},
        {"\xAF\xAF"
         "5^T^d\xAF\xAFOK",
            {"5^T^d"}},
        {"7^$41^d\xAFOK", {"7^$41^d"}},
        {"1^x^d\xAFOKAY\xAFOK", {"1^x^d", "OKAY"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> list {"kept"};
        parseNewsList(c.reply, list);
        std::vector<std::string> expected {"kept"};
        expected.insert(expected.end(), c.items.begin(), c.items.end());
        EXPECT_EQ(list, expected) << c.reply;
    }
}

TEST(NewsReply, LatestNews)
{
    const struct {
        std::string reply;
        std::string newsId;
        std::string title;
    } cases[] = {
        {"12^A\xAFOK", "12", "A"},
        {"OK", "", ""},
        {"\xAFOK", "", ""},
        {"12\xAFOK", "12", ""},
        {"13^Spring offers^2008-03-05\xAFOK", "13", "Spring offers"},
        {"^T\xAFOK", "", "T"},
        {"OK\xAFOK", "", ""},
        {"9^a\xAFOK\xAFOK", "9", "a"},
    };
    for (const auto& c : cases) {
        const LatestNews latest = parseLatestNews(c.reply);
        EXPECT_EQ(latest.newsId, c.newsId) << c.reply;
        EXPECT_EQ(latest.title, c.title) << c.reply;
    }
}

TEST(NewsReply, DollarHexDecoding)
{
    const struct {
        std::string text;
        std::string decoded;
    } cases[] = {
        {"AB$21", "AB!"},
        {"100$25", "100%"},
        {"$3Cb$3E", "<b>"},
        {"x$4", std::string("x\x04")},
        {"$00", std::string(1, '\0')},
        {"a$00b", std::string("a\0b", 3)},
        {"abc$", ""},
        {"$G1", ""},
        {"$ 1", ""},
        {"$4G", ""},
        {"$-1", ""},
        {"<p>ok</p>$3c$3E", "<p>ok</p><>"},
        {"$ff$Af", "\xFF\xAF"},
        {"plain ^ \xAF text", "plain ^ \xAF text"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeDollarHex(c.text), c.decoded) << c.text;
}

TEST(NewsReply, DetailsDropEndMarkersThenDecode)
{
    EXPECT_EQ(parseNewsDetails("$3Ch1$3EHi$3C/h1$3E\xAFOK"), "<h1>Hi</h1>");
    EXPECT_EQ(parseNewsDetails("bad $zz\xAFOK"), "");
    EXPECT_EQ(removeNewsReplyEndMarker("a\xAFOKb\xAF\xAFOKOK"), "ab\xAFOK");
}

} // namespace
} // namespace lumivane
