#include "brand/BrandProfile.h"
#include "brand/ContainerFiles.h"
#include "brand/ProfileFile.h"
#include "brand/ProfileLint.h"
#include "brand/ProfileTags.h"
#include "brand/ProfileText.h"
#include "tools/lumivane-brand/Subcommands.h"
#include "tools/lumivane-brand/ToolFiles.h"

#include <iostream>

namespace lumivane::brandtool {

namespace {

const char* const help
    = "Usage: lumivane-brand show [--plain] FILE\n"
      "\n"
      "Prints the brand profile record as the program reads it from the container FILE\n"
      "(or from the plaintext FILE with --plain): one Field=value line per tag, what the\n"
      "window shows (WindowCaption, NewsButton, MakeMoneyCaption), the Welcome, Banner\n"
      "and Link entries and LastNewsId. In values, a backslash is written \\\\, CR \\r\n"
      "and LF \\n. Warnings about values the program silently loses go to standard\n"
      "error. Exits with 1 when the container fails its password or authentication check.\n"
      "\n"
      "  --plain   FILE is a plaintext profile\n"
      "  --help    show this help\n";

std::string escaped(const std::string& value)
{
    std::string out;
    for (const char c : value) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

void printRecord(const std::string& text, std::ostream& out)
{
    const BrandProfile profile = readBrandProfileText(text);
    const auto line = [&](const std::string& name, const std::string& value) {
        out << name << "=" << escaped(value) << "\n";
    };
    for (const ProfileTag& tag : profileTags) {
        line(tag.name, profile.*tag.field);
    }
    line("WindowCaption", profile.windowCaption);
    line("NewsButton", profile.newsButtonVisible ? "shown" : "hidden");
    line("MakeMoneyCaption", profile.makeMoneyCaption);
    for (const ProfileList& list : profileLists) {
        const auto& entries = profile.*list.field;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            line(list.name + std::to_string(i + 1), entries[i]);
        }
    }
    RemainingText lastNews(text);
    line(lastNewsIdTag, lastNews.extract(openTag(lastNewsIdTag), closeTag(lastNewsIdTag)));
}

int runShow(const Arguments& arguments)
{
    const std::string& file = arguments.operands[0];
    const ProfileLines profile = readProfileOperand(file, arguments.has("--plain"));
    const bool passed = profile.result == DecryptResult::Success;
    if (!passed) {
        std::cerr << "lumivane-brand show: " << file << ": "
                  << describeDecryptResult(profile.result) << "\n";
    }
    const std::string text = joinProfileLines(profile.lines);
    printRecord(text, std::cout);
    for (const std::string& warning : lintBrandProfile(text)) {
        std::cerr << "warning: " << warning << "\n";
    }
    return passed ? exitSuccess : exitFailure;
}

} // namespace

Subcommand showSubcommand()
{
    return {"show", "print the record a profile gives, with lint warnings", help,
        Grammar {{"--plain"}, 1, 1}, runShow};
}

} // namespace lumivane::brandtool
