// What lumivane-batch makes of lists and options, run as a program.
#include "tests/support/TempDir.h"
#include "tests/tools/ProgramRun.h"

#include "urllist/StatusPanels.h"
#include "urllist/UrlList.h"
#include "urllist/UrlListImport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

namespace lumivane::test {
namespace {

class NoPanels : public StatusPanels {
public:
    void setTotalText(const std::string&) override { }
    void setDoneText(const std::string&) override { }
    void setSuccessText(const std::string&) override { }
    void setErrorText(const std::string&) override { }
};

std::vector<std::vector<std::string>> tsvRows(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            fields.push_back(line.substr(start, tab - start));
        fields.push_back(line.substr(start));
        rows.push_back(fields);
    }
    return rows;
}

std::string lastLine(const std::string& text)
{
    const auto end = text.find_last_not_of('\n');
    const auto start = text.rfind('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - start);
}

// Line ends of every kind, a byte-order mark, blanks kept, separators first,
// last or missing, a duplicate, no end on the last line and bytes after a NUL.
const std::string trickyList = std::string("\xEF\xBB\xBFhttp://bom.example/\r\n"
                                           "http://a.b/ two  \r\n"
                                           "\r\n"
                                           "k|x|y\r"
                                           "http://c,d,e\n\r"
                                           "|lead\n"
                                           ",comma-first\n"
                                           "no separator here\n"
                                           "HTTP://WWW.A.B/X/Y.Z\n"
                                           "dup\n"
                                           "dup\n"
                                           "last-without-end\0after the nul\n",
    218);

TEST(BatchDryRun, RowsEqualTheDesktopImportInEveryFormat)
{
    const struct {
        const char* format;
        const char* ids;
        ListFormat listFormat;
        int linkType;
    } cases[] = {
        {"url", "md5", ListFormat::oneUrlPerLine, 0},
        {"url", "url", ListFormat::oneUrlPerLine, 1},
        {"pipe", "md5", ListFormat::pipe, 0},
        {"comma", "url", ListFormat::comma, 1},
    };
    TempDir dir;
    const std::string listFile = dir.file("tricky.txt");
    writeFile(listFile, trickyList);
    ASSERT_EQ(readFile(listFile).size(), 218u);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " " + c.ids);
        UrlList imported;
        NoPanels panels;
        loadListFile(imported, panels, listFile, c.listFormat, c.linkType);
        ASSERT_EQ(imported.count(), 13u);
        // The third row's thumbnail exists, so it (and any row sharing its ID) is skipped.
        const std::string folder = dir.file(std::string("out-") + c.format + c.ids);
        std::filesystem::create_directories(folder);
        writeFile(folder + "/" + imported.row(2).id + ".gif", "x");

        const ProgramResult result = runBatch({"--dry-run", "--folder", folder, "--format", "gif",
            "--list-format", c.format, "--ids", c.ids, listFile});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const auto rows = tsvRows(result.out);
        ASSERT_EQ(rows.size(), imported.count()) << result.out;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const UrlRow& row = imported.row(i);
            const bool skipped = row.id == imported.row(2).id;
            EXPECT_EQ(rows[i],
                (std::vector<std::string> {
                    row.number, row.id, row.url, skipped ? "Skipped" : "Pending"}));
        }
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1)
            << "a dry run writes nothing";
    }
}

TEST(BatchDryRun, ShardsCoverEveryRowExactlyOnce)
{
    TempDir dir;
    std::string list;
    for (int i = 0; i < 11; ++i)
        list += "http://h/" + std::to_string(i) + "\n";
    writeFile(dir.file("l.txt"), list);
    std::multiset<std::string> numbers;
    for (const char* shard : {"0/3", "1/3", "2/3"}) {
        const ProgramResult result = runBatch(
            {"--dry-run", "--folder", dir.path().string(), "--shard", shard, dir.file("l.txt")});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        for (const auto& row : tsvRows(result.out)) {
            const int index = std::stoi(row[0]) - 1;
            EXPECT_EQ(index % 3, shard[0] - '0');
            numbers.insert(row[0]);
        }
    }
    ASSERT_EQ(numbers.size(), 11u);
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(numbers.count(std::to_string(i)), 1u) << i;
}

TEST(BatchInput, BadUsageIsRefusedWithAClearMessageBeforeAnyPageLoads)
{
    TempDir dir;
    writeFile(dir.file("l.txt"), "http://127.0.0.1:9/\n");
    writeFile(dir.file("a-file"), "x");
    const std::string list = dir.file("l.txt");
    const std::string out = dir.file("out");
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--bogus", list}, "unknown option \"--bogus\""},
        {{"--folder", out, "--jobs", "zero", list}, "--jobs takes a whole number"},
        {{"--folder", out, "--browser", "0x600", list}, "browser size 0x600 is out of range"},
        {{"--folder", out, "--browser", "100000x100000", list}, "out of range"},
        {{"--folder", out, "--thumb", "0x0", "--no-keep-aspect", list}, "thumbnail size 0x0"},
        {{"--folder", out, "--thumb", "5000000000x1", list}, "--thumb takes WIDTHxHEIGHT"},
        {{"--folder", out, dir.file("missing.txt")}, "cannot read the list file"},
        {{"--folder", out, dir.path().string()}, "it is a folder"},
        {{"--folder", dir.file("a-file") + "/sub", list}, "cannot create the output folder"},
        {{"--folder", out, "--report", dir.file("no/such/r.csv"), list},
            "cannot create the report"},
        {{list}, "no output folder"},
        {{"--folder", out}, "no LISTFILE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const ProgramResult result = runBatch(c.args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("lumivane-batch: "), std::string::npos);
        EXPECT_LT(result.seconds, 5);
    }
    EXPECT_FALSE(std::filesystem::exists(out)) << "refused before anything was made";
}

TEST(BatchInput, EmptyListEndsAtOnce)
{
    TempDir dir;
    writeFile(dir.file("empty.txt"), "");
    const ProgramResult result = runBatch(
        {"--folder", dir.file("out"), "--report", dir.file("r.csv"), dir.file("empty.txt")});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(lastLine(result.err), "Total: 0  Done: 0  Success: 0  Errors: 0");
    EXPECT_EQ(readFile(dir.file("r.csv")), "number,id,url,status,file,millis,error\n");
}

TEST(BatchInput, HundredThousandLinesStreamFromStandardInput)
{
    TempDir dir;
    std::string list;
    for (int i = 0; i < 100000; ++i)
        list += "same|http://127.0.0.1:9/" + std::to_string(i) + "\r\n";
    std::filesystem::create_directories(dir.file("out"));
    writeFile(dir.file("out/same.jpg"), "x");

    const ProgramResult dry
        = runBatch({"--dry-run", "--folder", dir.file("out"), "--list-format", "pipe", "-"}, list);
    ASSERT_EQ(dry.exitCode, 0) << dry.err;
    const auto rows = tsvRows(dry.out);
    ASSERT_EQ(rows.size(), 100000u);
    EXPECT_EQ(rows.back(),
        (std::vector<std::string> {"100000", "same", "http://127.0.0.1:9/99999", "Skipped"}));

    // Every row's thumbnail exists: the whole list flows through without a page.
    const std::string report = dir.file("r.csv");
    const ProgramResult run = runBatch(
        {"--folder", dir.file("out"), "--list-format", "pipe", "--report", report, "-"}, list);
    ASSERT_EQ(run.exitCode, 0) << lastLine(run.err);
    EXPECT_EQ(lastLine(run.err), "Total: 100000  Done: 100000  Success: 0  Errors: 0");
    const std::string text = readFile(report);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 100001);
    EXPECT_LT(run.seconds, 60);
}

} // namespace
} // namespace lumivane::test
