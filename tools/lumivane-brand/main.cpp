// lumivane-brand: decrypt, encrypt, inspect and start brand profiles (dbsettings.dat).
#include "tools/lumivane-brand/Subcommands.h"

#include <exception>
#include <iostream>
#include <string>

using namespace lumivane::brandtool;

namespace {

void printOverview(std::ostream& out)
{
    out << "Usage: lumivane-brand SUBCOMMAND [OPTIONS] ARGUMENTS\n\n"
           "Works on brand profiles: the encrypted dbsettings.dat and its tagged plaintext.\n\n"
           "Subcommands:\n";
    for (const Subcommand& subcommand : subcommands()) {
        out << "  " << subcommand.name << std::string(10 - std::string(subcommand.name).size(), ' ')
            << subcommand.summary << "\n";
    }
    out << "\nlumivane-brand SUBCOMMAND --help tells more. Exit codes: 0 success, 1 failure, "
           "2 bad usage.\n";
}

std::string synopsis(const Subcommand& subcommand)
{
    const std::string help = subcommand.help;
    return help.substr(0, help.find('\n'));
}

int runSubcommand(const Subcommand& subcommand, const std::vector<std::string>& args)
{
    for (const std::string& arg : args) {
        if (arg == "--help") {
            std::cout << subcommand.help;
            return exitSuccess;
        }
        if (arg == "--") {
            break;
        }
    }
    try {
        return subcommand.run(parseArguments(args, subcommand.grammar));
    } catch (const UsageError& error) {
        std::cerr << "lumivane-brand " << subcommand.name << ": " << error.what() << "\n"
                  << synopsis(subcommand) << "\n";
        return exitUsage;
    } catch (const std::exception& error) {
        std::cerr << "lumivane-brand " << subcommand.name << ": " << error.what() << "\n";
        return exitFailure;
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + std::min(argc, 2), argv + argc);
    const std::string name = argc > 1 ? argv[1] : "";
    if (name == "--help" || name == "help") {
        printOverview(std::cout);
        return exitSuccess;
    }
    for (const Subcommand& subcommand : subcommands()) {
        if (name == subcommand.name) {
            return runSubcommand(subcommand, args);
        }
    }
    std::cerr << (name.empty() ? "lumivane-brand: no subcommand given\n"
                               : "lumivane-brand: unknown subcommand " + name + "\n");
    printOverview(std::cerr);
    return exitUsage;
}
