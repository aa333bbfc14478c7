#include "online/HttpRequest.h"
#include "online/MultipartForm.h"

#include <gtest/gtest.h>
#include <regex>

namespace lumivane {
namespace {

TEST(MultipartForm, BoundaryIsMonthDayYearAndTimeToTheMillisecond)
{
    std::tm time {};
    time.tm_year = 108;
    time.tm_mon = 2;
    time.tm_mday = 5;
    time.tm_hour = 14;
    time.tm_min = 7;
    time.tm_sec = 9;
    EXPECT_EQ(multipartBoundary(time, 123), "--------030508140709123");
    EXPECT_TRUE(std::regex_match(multipartBoundaryNow(), std::regex("-{8}[0-9]{15}")));
}

TEST(MultipartForm, BodyLayout)
{
    EXPECT_EQ(multipartBody({{"a", "1"}, {"b", ""}}, "B"),
        "--B\r\nContent-Disposition: form-data; name=\"a\"\r\n\r\n1\r\n"
        "--B\r\nContent-Disposition: form-data; name=\"b\"\r\n\r\n\r\n\r\n--B--\r\n");
    EXPECT_EQ(multipartBody({}, "B"), "\r\n--B--\r\n");
    EXPECT_EQ(multipartBody({{"v", "x\xAF\r\ny"}}, "B"),
        "--B\r\nContent-Disposition: form-data; name=\"v\"\r\n\r\nx\xAF\r\ny\r\n\r\n--B--\r\n");
}

TEST(HttpRequest, HeadersInTheirFixedOrder)
{
    EXPECT_EQ(requestHead("GET", "/f", "HTTP/1.1", {"", "text/html", -1, "h:81", ""}),
        "GET /f HTTP/1.1\r\nContent-Type: text/html\r\nHost: h:81\r\n"
        "Accept: text/html, */*\r\n"
        "User-Agent: Mozilla/4.0 (compatible; MSIE 5.5; Windows NT 4.0)\r\n\r\n");
    EXPECT_EQ(requestHead("POST", "/p", "HTTP/1.0", {"keep-alive", "t", 0, "h", "a=1"}),
        "POST /p HTTP/1.0\r\nConnection: keep-alive\r\nContent-Type: t\r\n"
        "Content-Length: 0\r\nHost: h\r\nAccept: text/html, */*\r\n"
        "User-Agent: Mozilla/4.0 (compatible; MSIE 5.5; Windows NT 4.0)\r\nCookie: a=1\r\n\r\n");
}

TEST(HttpRequest, FoldsLinesLongerThan78Characters)
{
    std::string value;
    for (int i = 0; i < 20; ++i)
        value += (i ? "; c" : "c") + std::to_string(i) + "=value" + std::to_string(i);
    const std::string folded = headerLine("Cookie", value);
    std::string unfolded;
    int lines = 0;
    std::size_t start = 0;
    for (auto end = folded.find("\r\n"); end != std::string::npos;
         start = end + 2, end = folded.find("\r\n", start)) {
        const std::string line = folded.substr(start, end - start);
        EXPECT_LE(line.size(), 78u) << line;
        if (start > 0) {
            EXPECT_EQ(line.front(), ' ');
        }
        unfolded += line;
        ++lines;
    }
    EXPECT_GE(lines, 3);
    EXPECT_EQ(unfolded, "Cookie: " + value);

    EXPECT_EQ(headerLine("Host", "h"), "Host: h\r\n");
    const std::string unbreakable(100, 'x');
    EXPECT_EQ(headerLine("X", unbreakable), "X: " + unbreakable + "\r\n");
    EXPECT_EQ(headerLine("X", unbreakable + " tail"), "X: " + unbreakable + "\r\n tail\r\n");
}

} // namespace
} // namespace lumivane
