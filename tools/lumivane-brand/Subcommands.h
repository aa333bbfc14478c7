#pragma once

#include "tools/lumivane-brand/CommandLine.h"

#include <vector>

namespace lumivane::brandtool {

/// One subcommand of lumivane-brand. Each lives in its own file and is listed in
/// Subcommands.cpp; run returns the exit code.
struct Subcommand {
    const char* name;
    const char* summary; ///< one line for the overview
    const char* help; ///< synopsis first, then the description
    Grammar grammar;
    int (*run)(const Arguments& arguments);
};

const std::vector<Subcommand>& subcommands();

Subcommand decryptSubcommand();
Subcommand encryptSubcommand();
Subcommand showSubcommand();
Subcommand newSubcommand();
Subcommand newsSubcommand();

} // namespace lumivane::brandtool
