#include "tools/lumivane-brand/CommandLine.h"

#include <algorithm>

namespace lumivane::brandtool {

std::optional<std::string> Arguments::value(const std::string& option) const
{
    const auto found = values.find(option);
    if (found == values.end()) {
        return std::nullopt;
    }
    return found->second;
}

namespace {

bool accepts(const Grammar& grammar, const std::string& option)
{
    return std::find(grammar.options.begin(), grammar.options.end(), option)
        != grammar.options.end();
}

} // namespace

Arguments parseArguments(const std::vector<std::string>& args, const Grammar& grammar)
{
    Arguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || arg.rfind("--", 0) != 0) {
            parsed.operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (const std::size_t equals = arg.find('='); equals != std::string::npos) {
            const std::string name = arg.substr(0, equals);
            if (!accepts(grammar, name + "=")) {
                throw UsageError("unknown option " + name);
            }
            parsed.values[name] = arg.substr(equals + 1);
        } else if (accepts(grammar, arg + "=")) {
            if (i + 1 == args.size()) {
                throw UsageError("option " + arg + " needs a value");
            }
            parsed.values[arg] = args[++i];
        } else if (accepts(grammar, arg)) {
            parsed.flags.insert(arg);
        } else {
            throw UsageError("unknown option " + arg);
        }
    }
    const std::size_t count = parsed.operands.size();
    if (count < grammar.minOperands || count > grammar.maxOperands) {
        throw UsageError("wrong number of arguments");
    }
    return parsed;
}

} // namespace lumivane::brandtool
