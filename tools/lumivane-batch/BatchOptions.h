#pragma once

#include "platform/Error.h"
#include "urllist/UrlListFormat.h"

#include <optional>
#include <string>
#include <vector>

namespace lumivane::batch {

inline constexpr int exitAllDone = 0;
inline constexpr int exitRowErrors = 1;
inline constexpr int exitUsage = 2;

/// Bad usage or an input the run cannot start with: the program prints the
/// message and exits with exitUsage before any page loads.
class UsageError : public Error {
public:
    using Error::Error;
};

/// "WxH" as given; the height may be left out ("300x").
struct SizeOption {
    int width = 0;
    std::optional<int> height;
};

/// Process only rows whose 0-based index i has i mod count == index.
struct Shard {
    int index = 0;
    int count = 1;
};

/// The command line as given. Settings left empty fall back to config.ini and
/// then to the built-in defaults (see BatchSettings).
struct BatchOptions {
    std::string listFile; ///< "-" is standard input
    std::optional<std::string> folder;
    ListFormat listFormat = ListFormat::oneUrlPerLine;
    std::optional<int> linkType; ///< 0 MD5 IDs, 1 URL-derived IDs
    std::optional<SizeOption> browser;
    std::optional<SizeOption> thumb;
    std::optional<bool> keepAspect;
    std::string ext = "jpg";
    std::optional<bool> skip;
    std::optional<std::string> pageImages;
    std::optional<int> jobs;
    int timeoutMs = 30000;
    int delayMs = 0;
    std::optional<std::string> report;
    Shard shard;
    bool dryRun = false;
    bool quiet = false;
    bool help = false;
    bool version = false;
};

inline constexpr int maxJobs = 64;
inline constexpr int maxTimeoutSeconds = 86400;
inline constexpr int maxDelayMs = 600000;

/// Parses the arguments after the program name; raises UsageError with a
/// message that names the option and what it accepts.
BatchOptions parseBatchOptions(const std::vector<std::string>& args);

/// The --help text.
std::string usageText();

} // namespace lumivane::batch
