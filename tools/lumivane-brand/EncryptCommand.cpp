#include "brand/ContainerFiles.h"
#include "tools/lumivane-brand/Subcommands.h"
#include "tools/lumivane-brand/ToolFiles.h"

#include <iostream>

namespace lumivane::brandtool {

namespace {

const char* const help
    = "Usage: lumivane-brand encrypt PLAIN DAT\n"
      "\n"
      "Encrypts the plaintext profile PLAIN (\"-\" reads standard input) into the\n"
      "container DAT with the built-in password and a fresh salt. DAT is replaced only\n"
      "once the new container is complete.\n"
      "\n"
      "  --help    show this help\n";

int runEncrypt(const Arguments& arguments)
{
    const std::string& plain = arguments.operands[0];
    const std::string& dat = arguments.operands[1];
    if (dat == "-") {
        throw UsageError("DAT must be a file");
    }
    if (plain != "-") {
        replaceWithEncryptedFile(plain, dat);
        return exitSuccess;
    }
    const TemporaryFile input;
    copyToFile(std::cin, input.path());
    replaceWithEncryptedFile(input.path(), dat);
    return exitSuccess;
}

} // namespace

Subcommand encryptSubcommand()
{
    return {"encrypt", "encrypt a plaintext profile into a dbsettings.dat", help,
        Grammar {{}, 2, 2}, runEncrypt};
}

} // namespace lumivane::brandtool
