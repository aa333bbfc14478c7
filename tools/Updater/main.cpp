#include "online/HttpClient.h"
#include "platform/ProcessStarter.h"
#include "platform/ProgramFolder.h"
#include "tools/Updater/ManifestSignature.h"
#include "tools/Updater/ProgramExit.h"
#include "tools/Updater/ProgramRestart.h"
#include "tools/Updater/UpdateInstaller.h"

#include <chrono>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr const char* mainProgramName = "lumivane";
constexpr auto exitWait = std::chrono::seconds(60);

// The Updater runs without a console, so what it says also goes to updater.log.
void report(const std::string& folder, const std::string& text)
{
    std::cerr << text << '\n';
    std::ofstream(lumivane::joinPath(folder, "updater.log"), std::ios::app) << text << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4 || std::string(argv[3]) != "A") {
        std::cerr << "usage: Updater <update base URL> <current version> A\n";
        return 2;
    }
    const auto folder = lumivane::programFolder();
    const auto program = lumivane::joinPath(folder, mainProgramName);
    lumivane::ProgramExitWait programEnded(
        [&] { return lumivane::isProgramRunning(program); }, exitWait);
    lumivane::HttpClient web;
    lumivane::UpdateInstaller installer(
        web, {folder, lumivane::builtInUpdatePublicKey(), [&] { return programEnded(); }});
    int status = 0;
    try {
        report(folder, "Updated to version " + installer.install(argv[1], argv[2]));
    } catch (const std::exception& failure) {
        report(folder, std::string("Update not installed: ") + failure.what());
        status = 1;
    }
    const auto restart = lumivane::restartWhenEnded(program, programEnded, lumivane::startDetached);
    if (restart == lumivane::RestartOutcome::StillRunning)
        report(folder, "Not started again: the running program did not end");
    else if (restart == lumivane::RestartOutcome::StartFailed)
        report(folder, "Could not start " + program + " again");
    return status;
}
