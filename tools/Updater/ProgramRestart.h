#pragma once

#include "platform/DefaultBrowser.h"

#include <string>

namespace lumivane {

class ProgramExitWait;

enum class RestartOutcome { Started, StillRunning, NoProgram, StartFailed };

/// Starts the main program again after an update attempt, but only once its old instance has
/// ended: one still closing may be writing its settings, and two must never run at once.
RestartOutcome restartWhenEnded(
    const std::string& program, ProgramExitWait& programEnded, const ProcessStart& start);

} // namespace lumivane
