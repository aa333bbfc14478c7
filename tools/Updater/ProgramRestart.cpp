#include "tools/Updater/ProgramRestart.h"

#include "tools/Updater/ProgramExit.h"

#include <filesystem>
#include <system_error>

namespace lumivane {

RestartOutcome restartWhenEnded(
    const std::string& program, ProgramExitWait& programEnded, const ProcessStart& start)
{
    std::error_code error;
    if (!std::filesystem::exists(program, error))
        return RestartOutcome::NoProgram;
    if (!programEnded())
        return RestartOutcome::StillRunning;
    return start({program}) ? RestartOutcome::Started : RestartOutcome::StartFailed;
}

} // namespace lumivane
