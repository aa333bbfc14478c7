#include "tests/support/TempDir.h"
#include "tools/Updater/ProgramExit.h"
#include "tools/Updater/ProgramRestart.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

using namespace lumivane;
using lumivane::test::TempDir;
using lumivane::test::writeFile;
using namespace std::chrono_literals;

namespace fs = std::filesystem;

namespace {

// The old instance answers "still running" for a number of checks, then has ended.
struct OldInstance {
    int checksWhileRunning = 0;
    int checks = 0;
    std::vector<std::vector<std::string>> started;

    ProgramExitWait wait(std::chrono::milliseconds timeout)
    {
        return ProgramExitWait([this] { return checks++ < checksWhileRunning; }, timeout, 1ms);
    }
    ProcessStart starter(bool succeeds = true)
    {
        return [this, succeeds](const std::vector<std::string>& argv) {
            started.push_back(argv);
            return succeeds;
        };
    }
};

struct UpdaterRestart : ::testing::Test {
    UpdaterRestart() { writeFile(program, "#!/bin/sh\n"); }

    TempDir folder;
    std::string program = folder.file("lumivane");
    OldInstance old;
};

} // namespace

TEST_F(UpdaterRestart, StartsTheProgramOnlyAfterTheOldInstanceEnded)
{
    old.checksWhileRunning = 5;
    auto ended = old.wait(10s);
    const ProcessStart start = [&](const std::vector<std::string>& argv) {
        // Started only once the last check said the old instance is gone.
        EXPECT_EQ(old.checks, 6);
        old.started.push_back(argv);
        return true;
    };
    EXPECT_EQ(restartWhenEnded(program, ended, start), RestartOutcome::Started);
    ASSERT_EQ(old.started.size(), 1u);
    EXPECT_EQ(old.started[0], std::vector<std::string> {program});
}

TEST_F(UpdaterRestart, DoesNotStartASecondInstanceWhileTheOldOneRuns)
{
    old.checksWhileRunning = 1000000;
    auto ended = old.wait(50ms);
    const auto began = std::chrono::steady_clock::now();
    EXPECT_EQ(restartWhenEnded(program, ended, old.starter()), RestartOutcome::StillRunning);
    EXPECT_GE(std::chrono::steady_clock::now() - began, 50ms);
    EXPECT_TRUE(old.started.empty());
    // The wait that ran out (say in the replace step) is not waited again for the restart.
    const int checks = old.checks;
    EXPECT_EQ(restartWhenEnded(program, ended, old.starter()), RestartOutcome::StillRunning);
    EXPECT_EQ(old.checks, checks);
    EXPECT_TRUE(old.started.empty());
}

TEST_F(UpdaterRestart, ReportsAMissingProgramAndAFailedStart)
{
    auto ended = old.wait(1s);
    EXPECT_EQ(restartWhenEnded(program, ended, old.starter(false)), RestartOutcome::StartFailed);
    fs::remove(program);
    EXPECT_EQ(restartWhenEnded(program, ended, old.starter()), RestartOutcome::NoProgram);
    EXPECT_EQ(old.started.size(), 1u);
}

TEST_F(UpdaterRestart, SeesTheRealProgramRunningUntilItEnds)
{
    // A copy of sleep named lumivane stands in for the old instance.
    fs::copy_file("/bin/sleep", program, fs::copy_options::overwrite_existing);
    EXPECT_FALSE(isProgramRunning(program));
    std::string path = program;
    std::string seconds = "30";
    char* argv[] = {path.data(), seconds.data(), nullptr};
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, path.c_str(), nullptr, nullptr, argv, environ), 0);
    EXPECT_TRUE(isProgramRunning(program));
    EXPECT_TRUE(isProgramRunning(folder.path().string() + "/./lumivane"));
    EXPECT_FALSE(isProgramRunning(folder.file("other")));
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ProgramExitWait ended([&] { return isProgramRunning(program); }, 5s);
    EXPECT_TRUE(ended());
}
