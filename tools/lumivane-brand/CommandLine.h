#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumivane::brandtool {

inline constexpr int exitSuccess = 0;
inline constexpr int exitFailure = 1;
inline constexpr int exitUsage = 2;

/// Bad usage: the message is shown with the subcommand's synopsis and the tool exits with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The arguments after the subcommand name.
struct Arguments {
    std::vector<std::string> operands; ///< "-" stands for standard input or output
    std::set<std::string> flags;
    std::map<std::string, std::string> values;

    bool has(const std::string& flag) const { return flags.count(flag) != 0; }
    std::optional<std::string> value(const std::string& option) const;
};

/// What a subcommand accepts. Options are "--name" flags, or "--name=" for options with a
/// value (given as "--name=VALUE" or "--name VALUE"). "--" ends the options.
struct Grammar {
    std::vector<std::string> options;
    std::size_t minOperands = 0;
    std::size_t maxOperands = 0;
};

/// Raises UsageError for an unknown option, a missing value or a wrong number of operands.
Arguments parseArguments(const std::vector<std::string>& args, const Grammar& grammar);

} // namespace lumivane::brandtool
