#include "brand/ContainerFiles.h"
#include "tools/lumivane-brand/Subcommands.h"
#include "tools/lumivane-brand/ToolFiles.h"

#include <iostream>
#include <memory>

namespace lumivane::brandtool {

namespace {

const char* const help
    = "Usage: lumivane-brand decrypt [--force] DAT OUT\n"
      "\n"
      "Decrypts the container DAT with the built-in password into the plaintext OUT\n"
      "(\"-\" writes to standard output). When the password check or the authentication\n"
      "check fails, the tool says so and exits with 1, and OUT is written only with\n"
      "--force (with what was decrypted: nothing after a failed password check).\n"
      "\n"
      "  --force   write OUT even when a check fails\n"
      "  --help    show this help\n";

int runDecrypt(const Arguments& arguments)
{
    const std::string& dat = arguments.operands[0];
    const std::string& out = arguments.operands[1];
    const auto plain = out == "-" ? std::make_unique<TemporaryFile>()
                                  : std::make_unique<TemporaryFile>(out + ".part");
    const DecryptResult result = decryptFile(dat, plain->path());
    const bool passed = result == DecryptResult::Success;
    if (!passed) {
        std::cerr << "lumivane-brand decrypt: " << dat << ": " << describeDecryptResult(result)
                  << (arguments.has("--force") ? "" : "; nothing written (see --force)") << "\n";
    }
    if (passed || arguments.has("--force")) {
        if (out == "-") {
            copyFileTo(plain->path(), std::cout);
        } else {
            plain->moveTo(out);
        }
    }
    return passed ? exitSuccess : exitFailure;
}

} // namespace

Subcommand decryptSubcommand()
{
    return {"decrypt", "decrypt a dbsettings.dat into its plaintext", help,
        Grammar {{"--force"}, 2, 2}, runDecrypt};
}

} // namespace lumivane::brandtool
