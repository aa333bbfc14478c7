#include "brand/ProfileTags.h"
#include "brand/ProfileText.h"
#include "brand/ProgramVersion.h"
#include "platform/Error.h"
#include "tools/lumivane-brand/Subcommands.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace lumivane::brandtool {

namespace {

const char* const help
    = "Usage: lumivane-brand new PLAIN\n"
      "\n"
      "Writes a plaintext profile template to PLAIN (\"-\" writes to standard output):\n"
      "every tag in the order the program reads them, each after a comment line that\n"
      "explains it. Fill in the values, then run: lumivane-brand encrypt PLAIN DAT.\n"
      "An existing PLAIN is never overwritten.\n"
      "\n"
      "  --help    show this help\n";

// One comment per single-value tag, in reading order.
const std::array<const char*, profileTags.size()> tagComments = {
    "Product name; the window caption is this name, \" v\" and the version.",
    "Brander code, sent to the news service.",
    "Tier: Master, Platinum, Gold or Free, written exactly so (letter case counts).",
    "Make Money link; every %%AFFILIATEID%% (upper case) becomes the AffiliateID.",
    "Affiliate type; stored, not used.",
    "Affiliate identifier, put into the AffiliateURL.",
    "News base URL of the Master tier (also used by the Free tier).",
    "News base URL of the Platinum tier.",
    "News base URL of the Gold tier.",
    "Publisher ID of the Master tier (also used by the Free tier).",
    "Publisher ID of the Platinum tier.",
    "Publisher ID of the Gold tier.",
    "Caption of the Make Money button; empty gives \"Make Money\".",
    "Help link of the Help button.",
    "Copyright years for the About box.",
    "Copyright holder for the About box.",
    "About text; it may span several lines.",
};

const std::array<const char*, profileLists.size()> listComments = {
    "HTML source of a welcome page; one entry is chosen at random at start-up.",
    "Banner image name ^ click URL; the image is the file banner<N>.dat beside the program.",
    "Link caption ^ URL; up to two different entries are shown at random.",
};

std::string templateText()
{
    std::ostringstream out;
    out << "# Brand profile for Lumivane " << programVersion
        << ". Text outside the tags is ignored, so these lines are comments.\n"
           "# Keep the tags in this order: a tag standing before one read earlier is not found.\n"
           "# A value is taken verbatim between its two tags, line breaks included.\n";
    for (std::size_t i = 0; i < profileTags.size(); ++i) {
        out << "\n# " << profileTags[i].name << ": " << tagComments[i] << "\n"
            << openTag(profileTags[i].name) << closeTag(profileTags[i].name) << "\n";
    }
    for (std::size_t i = 0; i < profileLists.size(); ++i) {
        const std::string first = profileLists[i].name + std::string("1");
        out << "\n# " << profileLists[i].name << "1 to " << profileLists[i].name
            << profileListCapacity << ": " << listComments[i]
            << "\n# Number them without gaps: the list ends at the first missing or empty one.\n"
            << openTag(first) << closeTag(first) << "\n";
    }
    out << "\n# " << lastNewsIdTag
        << ": the id of the last news item read; the program rewrites this line.\n"
        << openTag(lastNewsIdTag) << closeTag(lastNewsIdTag) << "\n";
    return out.str();
}

int runNew(const Arguments& arguments)
{
    const std::string& plain = arguments.operands[0];
    if (plain == "-") {
        std::cout << templateText();
        return std::cout ? exitSuccess : exitFailure;
    }
    if (std::filesystem::exists(plain)) {
        throw Error("\"" + plain + "\" exists already; it is left unchanged");
    }
    std::ofstream out(plain, std::ios::binary);
    out << templateText();
    out.close();
    if (!out) {
        throw Error("Cannot write file \"" + plain + "\"");
    }
    return exitSuccess;
}

} // namespace

Subcommand newSubcommand()
{
    return {"new", "write a plaintext profile template", help, Grammar {{}, 1, 1}, runNew};
}

} // namespace lumivane::brandtool
