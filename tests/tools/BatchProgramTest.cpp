// lumivane-batch run as a program against pages served on 127.0.0.1.
#include "tests/support/TempDir.h"
#include "tests/tools/BmpFile.h"
#include "tests/tools/ProgramRun.h"
#include "tests/tools/TestSite.h"

#include "snapshot/ManipulateBitmaps.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sstream>

namespace lumivane::test {
namespace {

using Fields = std::vector<std::string>;

// Rows of the CSV report, quoted fields unquoted; the header is row 0.
std::vector<Fields> readReport(const std::string& path)
{
    std::vector<Fields> rows;
    const std::string text = readFile(path);
    Fields row;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',') {
            row.push_back(std::move(field));
            field.clear();
        } else if (!quoted && c == '\n') {
            row.push_back(std::move(field));
            field.clear();
            rows.push_back(std::move(row));
            row.clear();
        } else {
            field += c;
        }
    }
    return rows;
}

std::string lastLine(const std::string& text)
{
    const auto end = text.find_last_not_of('\n');
    const auto start = text.rfind('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - start);
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

class BatchProgramTest : public ::testing::Test {
protected:
    std::string writeList(
        const std::vector<std::string>& lines, const std::string& name = "list.txt")
    {
        const std::string path = m_dir.file(name);
        writeFile(path, joinLines(lines));
        return path;
    }
    std::string out() const { return m_dir.file("out"); }

    TestSite m_site;
    TempDir m_dir;
};

TEST(TestSite, StopsEvenRightAfterItStarted)
{
    // A test that ends at once must not hang in the site's destructor.
    for (int i = 0; i < 20; ++i)
        TestSite site;
}

TEST_F(BatchProgramTest, GoodPagesGetThumbnailsAndBadOnesAnErrorWithItsReason)
{
    const std::string refused = "http://127.0.0.1:" + std::to_string(TestSite::closedPort()) + "/";
    const std::string list = writeList({m_site.url("/page/ff0000"), m_site.url("/missing"), refused,
        m_site.url("/hang"), m_site.url("/page/00ff00"), m_site.url("/alert"), "chrome://crash",
        m_site.url("/page/0000ff")});
    const std::string report = m_dir.file("report.csv");
    BatchProgram program({"--folder", out(), "--format", "bmp", "--timeout", "2", "--jobs", "2",
        "--report", report, "--list-format", "url", list});
    const ProgramResult result = program.wait();

    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_LT(result.seconds, 20) << "the hanging page must end at its 2 s limit";
    EXPECT_EQ(lastLine(result.err), "Total: 8  Done: 8  Success: 4  Errors: 4");
    EXPECT_TRUE(program.leftovers().empty()) << "engine processes outlived the program";

    const auto rows = readReport(report);
    ASSERT_EQ(rows.size(), 9u) << readFile(report);
    EXPECT_EQ(rows[0], (Fields {"number", "id", "url", "status", "file", "millis", "error"}));
    const struct {
        const char* status;
        const char* reason;
        std::uint32_t colour;
    } expected[] = {
        {"Success", "", 0xFF0000},
        {"Error", "HTTP 404", 0},
        {"Error", "CONNECTION_REFUSED", 0},
        {"Error", "timed out after 2 s", 0},
        {"Success", "", 0x00FF00},
        {"Success", "", 0x00FFFF}, // its dialogs are answered, nothing blocks
        {"Error", "renderer crashed", 0},
        {"Success", "", 0x0000FF},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Fields& row = rows[i + 1];
        SCOPED_TRACE(row[2]);
        EXPECT_EQ(row[0], std::to_string(i + 1));
        EXPECT_EQ(row[3], expected[i].status);
        EXPECT_NE(row[6].find(expected[i].reason), std::string::npos) << row[6];
        if (row[3] != "Success") {
            EXPECT_EQ(row[4], "");
            EXPECT_FALSE(std::filesystem::exists(out() + "/" + row[1] + ".bmp"));
            continue;
        }
        EXPECT_EQ(row[4], out() + "/" + row[1] + ".bmp");
        const Bitmap32 thumbnail = readBmp32(row[4]);
        ASSERT_EQ(thumbnail.width(), 200);
        ASSERT_EQ(thumbnail.height(), 150);
        // Below the heading the page shows nothing but its own colour.
        EXPECT_TRUE(closeColour(averageColour(thumbnail, 0, 60, 200, 90), expected[i].colour))
            << std::hex << averageColour(thumbnail, 0, 60, 200, 90);
    }
}

TEST_F(BatchProgramTest, APageThatMovesOnDuringTheDelayIsCapturedOnceTheNextPageIsReady)
{
    const std::string list = writeList({"moves|" + m_site.url("/moves-on")});
    const ProgramResult result = runBatch({"--folder", out(), "--format", "bmp", "--list-format",
        "pipe", "--delay", "1000", "--timeout", "20", "--quiet", list});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Bitmap32 thumbnail = readBmp32(out() + "/moves.bmp");
    ASSERT_FALSE(thumbnail.empty());
    EXPECT_TRUE(closeColour(averageColour(thumbnail, 0, 60, 200, 90), 0x00FF00))
        << std::hex << averageColour(thumbnail, 0, 60, 200, 90);
}

TEST_F(BatchProgramTest, PageImageShrinksExactlyToTheThumbnail)
{
    const std::string list = writeList({m_site.url("/page/3366cc")});
    const std::string pages = m_dir.file("pages");
    const ProgramResult result = runBatch({"--folder", out(), "--format", "bmp", "--browser",
        "640x480", "--thumb", "150x", "--page-images", pages, "--ids", "url", "--quiet", list});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto files = std::vector<std::filesystem::path>(
        std::filesystem::directory_iterator(pages), std::filesystem::directory_iterator());
    ASSERT_EQ(files.size(), 1u);
    const Bitmap32 page = readBmp32(files[0].string());
    const Bitmap32 thumbnail = readBmp32(out() + "/" + files[0].filename().string());
    ASSERT_EQ(page.width(), 640);
    ASSERT_EQ(page.height(), 480);
    ASSERT_EQ(thumbnail.width(), 150);
    ASSERT_EQ(thumbnail.height(), 112); // 150 / 640 * 480 by the aspect formula
    Bitmap32 shrunk(150, 112);
    ShrinkBitmap(page, shrunk);
    int differing = 0;
    for (int y = 0; y < 112; ++y)
        for (int x = 0; x < 150; ++x)
            differing += shrunk.pixel(x, y) != thumbnail.pixel(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_TRUE(closeColour(averageColour(page, 0, 200, 640, 280), 0x3366CC));
    EXPECT_EQ(lastLine(result.err), "Total: 1  Done: 1  Success: 1  Errors: 0");
}

TEST_F(BatchProgramTest, LaterRowOfADuplicateIdOverwritesTheFileAndSaysSo)
{
    const std::string list
        = writeList({"same|" + m_site.url("/page/ff0000"), "same|" + m_site.url("/page/0000ff")});
    const std::string report = m_dir.file("r.csv");
    const ProgramResult result = runBatch({"--folder", out(), "--format", "bmp", "--list-format",
        "pipe", "--jobs", "2", "--report", report, list});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Bitmap32 thumbnail = readBmp32(out() + "/same.bmp");
    ASSERT_FALSE(thumbnail.empty());
    EXPECT_TRUE(closeColour(averageColour(thumbnail, 0, 60, 200, 90), 0x0000FF));
    const auto rows = readReport(report);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1][6], "");
    EXPECT_EQ(rows[2][6], "warning: same ID as row 1, whose thumbnail file this row replaced");
}

TEST_F(BatchProgramTest, TermFinishesThePagesInFlightThenReportsTheRestPending)
{
    const std::string list = writeList({m_site.url("/page/ff0000"), m_site.url("/hang"),
        m_site.url("/page/00ff00"), m_site.url("/page/0000ff")});
    const std::string report = m_dir.file("r.csv");
    BatchProgram program(
        {"--folder", out(), "--jobs", "1", "--timeout", "3", "--report", report, list});
    ASSERT_TRUE(program.waitForError("1/4 Success"));
    program.signal(SIGTERM);
    const ProgramResult result = program.wait();
    EXPECT_EQ(result.exitCode, 143) << result.err;
    EXPECT_EQ(lastLine(result.err), "Total: 4  Done: 2  Success: 1  Errors: 1");
    const auto rows = readReport(report);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[2][3], "Error"); // ended at its own limit, as it would have
    EXPECT_EQ(rows[3][3], "Pending");
    EXPECT_EQ(rows[4][3], "Pending");
    EXPECT_TRUE(program.leftovers().empty());
}

TEST_F(BatchProgramTest, SecondInterruptStopsThePagesInFlightAtOnce)
{
    const std::string list = writeList({m_site.url("/page/ff0000"), m_site.url("/hang")});
    const std::string report = m_dir.file("r.csv");
    BatchProgram program(
        {"--folder", out(), "--jobs", "1", "--timeout", "60", "--report", report, list});
    ASSERT_TRUE(program.waitForError("1/2 Success"));
    program.signal(SIGINT);
    ASSERT_TRUE(program.waitForError("interrupt again"));
    program.signal(SIGINT);
    const ProgramResult result = program.wait();
    EXPECT_EQ(result.exitCode, 130) << result.err;
    EXPECT_LT(result.seconds, 30);
    const auto rows = readReport(report);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2][3], "Pending");
    EXPECT_EQ(rows[2][6], "interrupted");
    EXPECT_TRUE(program.leftovers().empty());
}

} // namespace
} // namespace lumivane::test
