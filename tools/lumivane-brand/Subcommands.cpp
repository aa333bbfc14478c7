#include "tools/lumivane-brand/Subcommands.h"

namespace lumivane::brandtool {

const std::vector<Subcommand>& subcommands()
{
    static const std::vector<Subcommand> all = {
        decryptSubcommand(),
        encryptSubcommand(),
        showSubcommand(),
        newSubcommand(),
        newsSubcommand(),
    };
    return all;
}

} // namespace lumivane::brandtool
