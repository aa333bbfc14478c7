#include "platform/ProcessStarter.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

using namespace lumivane;
using lumivane::test::readFile;
using lumivane::test::TempDir;

namespace {

bool waitForFile(const std::string& path)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!std::filesystem::exists(path) || readFile(path).empty()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace

TEST(ProcessStarter, CutsTheParameterTextAtBlanks)
{
    const struct {
        const char* text;
        std::vector<std::string> words;
    } cases[] = {
        {"http://h/liveupdate/lumivane/ 2.0 A", {"http://h/liveupdate/lumivane/", "2.0", "A"}},
        {"  a   b ", {"a", "b"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitParameters(c.text), c.words) << c.text;
}

TEST(ProcessStarter, StartsTheProgramDetachedWithItsArguments)
{
    TempDir folder;
    const auto out = folder.file("out.txt");
    const auto script = folder.file("record.sh");
    lumivane::test::writeFile(script, "#!/bin/sh\necho \"$@\" > \"$1.txt\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    DetachedProcessStarter starter;
    ASSERT_TRUE(starter.open(script, folder.file("out") + " 2.0  A"));
    ASSERT_TRUE(waitForFile(out));
    EXPECT_EQ(readFile(out), folder.file("out") + " 2.0 A\n");
}

TEST(ProcessStarter, ReportsAProgramThatCannotBeStarted)
{
    TempDir folder;
    EXPECT_FALSE(startDetached({folder.file("missing")}));
    EXPECT_FALSE(startDetached({}));
    EXPECT_TRUE(startDetached({"true"})) << "a name without a folder is searched in PATH";
}
