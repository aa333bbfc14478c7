#include "platform/BrowserCommand.h"

#include "platform/AsciiCase.h"

namespace lumivane {

namespace {

std::vector<std::string> exeCommand(const std::string& command, std::size_t exeAt)
{
    std::string program = command.substr(0, exeAt + 4);
    std::erase(program, '"');
    return {program};
}

// Expands "%%" and drops every other field code of one word; a word that was only a
// field code disappears.
std::optional<std::string> expandFieldCodes(const std::string& word)
{
    std::string out;
    bool hadFieldCode = false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] == '%' && i + 1 < word.size()) {
            if (word[i + 1] == '%')
                out += '%';
            else
                hadFieldCode = true;
            ++i;
        } else {
            out += word[i];
        }
    }
    if (hadFieldCode && out.empty())
        return std::nullopt;
    return out;
}

// Desktop entry quoting: a double-quoted word may hold blanks; inside quotes a backslash
// escapes the next character.
std::vector<std::string> execWords(const std::string& exec)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted) {
            if (c == '\\' && i + 1 < exec.size())
                word += exec[++i];
            else if (c == '"')
                quoted = false;
            else
                word += c;
        } else if (c == '"') {
            quoted = inWord = true;
        } else if (c == ' ' || c == '\t') {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

std::vector<std::string> execCommand(const std::string& exec)
{
    std::vector<std::string> argv;
    for (const auto& word : execWords(exec)) {
        if (auto expanded = expandFieldCodes(word))
            argv.push_back(*expanded);
    }
    return argv;
}

} // namespace

std::optional<std::vector<std::string>> browserCommandLine(
    const std::string& command, const std::string& url)
{
    const auto exeAt = lowerAscii(command).find(".exe");
    auto argv = exeAt != std::string::npos ? exeCommand(command, exeAt) : execCommand(command);
    if (argv.empty() || argv.front().empty())
        return std::nullopt;
    argv.push_back(url);
    return argv;
}

} // namespace lumivane
