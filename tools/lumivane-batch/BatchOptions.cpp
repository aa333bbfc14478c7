#include "tools/lumivane-batch/BatchOptions.h"

#include <charconv>
#include <functional>
#include <map>

namespace lumivane::batch {

namespace {

// Whole decimal digits only: no sign, no blanks, no hexadecimal.
std::optional<long long> parseDigits(std::string_view text)
{
    if (text.empty() || text.size() > 12)
        return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.front() == '-')
        return std::nullopt;
    return value;
}

int parseInRange(const std::string& option, const std::string& text, long long low, long long high)
{
    const auto value = parseDigits(text);
    if (!value || *value < low || *value > high) {
        throw UsageError(option + " takes a whole number from " + std::to_string(low) + " to "
            + std::to_string(high) + ", not \"" + text + "\"");
    }
    return static_cast<int>(*value);
}

// Seconds with up to three decimals ("2", "0.5"), as milliseconds.
int parseSeconds(const std::string& option, const std::string& text)
{
    const auto dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    std::string fraction = dot == std::string::npos ? "" : text.substr(dot + 1);
    const auto seconds = parseDigits(whole);
    const auto part = fraction.empty() ? std::optional<long long>(0) : parseDigits(fraction);
    if (!seconds || !part || fraction.size() > 3 || (dot != std::string::npos && fraction.empty())
        || *seconds > maxTimeoutSeconds) {
        throw UsageError(option + " takes seconds from 0.001 to "
            + std::to_string(maxTimeoutSeconds) + " (at most three decimals), not \"" + text
            + "\"");
    }
    fraction.resize(3, '0');
    const long long ms = *seconds * 1000 + *parseDigits(fraction);
    if (ms < 1 || ms > maxTimeoutSeconds * 1000LL)
        throw UsageError(option + " must be more than 0 and at most "
            + std::to_string(maxTimeoutSeconds) + " seconds, not \"" + text + "\"");
    return static_cast<int>(ms);
}

SizeOption parseSize(const std::string& option, const std::string& text)
{
    const auto x = text.find('x');
    const std::string width = text.substr(0, x);
    const std::string height = x == std::string::npos ? "" : text.substr(x + 1);
    const auto w = parseDigits(width);
    const auto h = height.empty() ? std::optional<long long>() : parseDigits(height);
    if (x == std::string::npos || !w || (!height.empty() && !h) || *w > 1000000000
        || (h && *h > 1000000000)) {
        throw UsageError(
            option + " takes WIDTHxHEIGHT in pixels (for example 800x600), not \"" + text + "\"");
    }
    SizeOption size {static_cast<int>(*w), std::nullopt};
    if (h)
        size.height = static_cast<int>(*h);
    return size;
}

Shard parseShard(const std::string& option, const std::string& text)
{
    const auto slash = text.find('/');
    const auto k = parseDigits(text.substr(0, slash));
    const auto n = slash == std::string::npos ? std::nullopt : parseDigits(text.substr(slash + 1));
    if (!k || !n || *n < 1 || *n > 1000000 || *k >= *n) {
        throw UsageError(
            option + " takes K/N with 0 <= K < N (for example 0/3), not \"" + text + "\"");
    }
    return {static_cast<int>(*k), static_cast<int>(*n)};
}

template <typename T>
T pickWord(
    const std::string& option, const std::string& text, const std::map<std::string, T>& words)
{
    const auto found = words.find(text);
    if (found != words.end())
        return found->second;
    std::string choices;
    for (const auto& [word, value] : words)
        choices += (choices.empty() ? "" : ", ") + word;
    throw UsageError(option + " takes one of " + choices + ", not \"" + text + "\"");
}

using ValueHandler
    = std::function<void(BatchOptions&, const std::string& option, const std::string&)>;
using FlagHandler = std::function<void(BatchOptions&)>;

const std::map<std::string, ValueHandler>& valueOptions()
{
    static const std::map<std::string, ValueHandler> handlers {
        {"--folder",
            [](BatchOptions& o, const std::string&, const std::string& v) { o.folder = v; }},
        {"--list-format",
            [](BatchOptions& o, const std::string& n, const std::string& v) {
                o.listFormat = pickWord<ListFormat>(n, v,
                    {{"url", ListFormat::oneUrlPerLine}, {"pipe", ListFormat::pipe},
                        {"comma", ListFormat::comma}});
            }},
        {"--ids",
            [](BatchOptions& o, const std::string& n, const std::string& v) {
                o.linkType = pickWord<int>(n, v, {{"md5", 0}, {"url", 1}});
            }},
        {"--browser",
            [](BatchOptions& o, const std::string& n, const std::string& v) {
                o.browser = parseSize(n, v);
            }},
        {"--thumb",
            [](BatchOptions& o, const std::string& n, const std::string& v) {
                o.thumb = parseSize(n, v);
            }},
        {"--format",
            [](BatchOptions& o, const std::string& n, const std::string& v) {
                o.ext
                    = pickWord<std::string>(n, v, {{"jpg", "jpg"}, {"gif", "gif"}, {"bmp", "bmp"}});
            }},
        {"--page-images",
            [](BatchOptions& o, const std::string&, const std::string& v) { o.pageImages = v; }},
        {"--jobs",
            [](BatchOptions& o, const std::string& n, const std::string& v) {
                o.jobs = parseInRange(n, v, 1, maxJobs);
            }},
        {"--timeout",
            [](BatchOptions& o, const std::string& n, const std::string& v) {
                o.timeoutMs = parseSeconds(n, v);
            }},
        {"--delay",
            [](BatchOptions& o, const std::string& n, const std::string& v) {
                o.delayMs = parseInRange(n, v, 0, maxDelayMs);
            }},
        {"--report",
            [](BatchOptions& o, const std::string&, const std::string& v) { o.report = v; }},
        {"--shard",
            [](BatchOptions& o, const std::string& n, const std::string& v) {
                o.shard = parseShard(n, v);
            }},
    };
    return handlers;
}

const std::map<std::string, FlagHandler>& flagOptions()
{
    static const std::map<std::string, FlagHandler> handlers {
        {"--keep-aspect", [](BatchOptions& o) { o.keepAspect = true; }},
        {"--no-keep-aspect", [](BatchOptions& o) { o.keepAspect = false; }},
        {"--skip", [](BatchOptions& o) { o.skip = true; }},
        {"--no-skip", [](BatchOptions& o) { o.skip = false; }},
        {"--dry-run", [](BatchOptions& o) { o.dryRun = true; }},
        {"--quiet", [](BatchOptions& o) { o.quiet = true; }},
        {"--help", [](BatchOptions& o) { o.help = true; }},
        {"--version", [](BatchOptions& o) { o.version = true; }},
    };
    return handlers;
}

// One "--name", "--name VALUE" or "--name=VALUE" at args[i]; advances i past its value.
void parseOption(BatchOptions& options, const std::vector<std::string>& args, std::size_t& i)
{
    const std::string& arg = args[i];
    const auto equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    if (const auto flag = flagOptions().find(name); flag != flagOptions().end()) {
        if (equals != std::string::npos)
            throw UsageError(name + " takes no value");
        flag->second(options);
        return;
    }
    const auto handler = valueOptions().find(name);
    if (handler == valueOptions().end())
        throw UsageError("unknown option \"" + name + "\" (see --help)");
    if (equals != std::string::npos) {
        handler->second(options, name, arg.substr(equals + 1));
        return;
    }
    if (i + 1 >= args.size())
        throw UsageError(name + " needs a value");
    handler->second(options, name, args[++i]);
}

} // namespace

BatchOptions parseBatchOptions(const std::vector<std::string>& args)
{
    BatchOptions options;
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--")
            optionsEnded = true;
        else if (!optionsEnded && arg.size() > 2 && arg.compare(0, 2, "--") == 0)
            parseOption(options, args, i);
        else if (!optionsEnded && arg.size() > 1 && arg[0] == '-')
            throw UsageError("unknown option \"" + arg + "\" (see --help)");
        else
            operands.push_back(arg);
    }
    if (options.help || options.version)
        return options;
    if (operands.empty())
        throw UsageError("no LISTFILE given (use - to read the list from standard input)");
    if (operands.size() > 1)
        throw UsageError("only one LISTFILE may be given, not \"" + operands[1] + "\" as well");
    options.listFile = operands.front();
    return options;
}

std::string usageText()
{
    return R"(Usage: lumivane-batch [options] LISTFILE        (LISTFILE may be - for stdin)
Makes a thumbnail of every page of a URL list, without a window.

  --folder DIR            output folder (created if missing); default: Folder from config.ini
  --list-format url|pipe|comma   line format of LISTFILE (default url: one URL per line)
  --ids md5|url           ID scheme for url-format lines (default: LinkType from config.ini, else md5)
  --browser WxH           viewport / page image size (default 800x600)
  --thumb WxH             thumbnail size (default 200x150); with aspect lock on, H may be omitted ("300x")
  --keep-aspect | --no-keep-aspect   thumbnail height from the aspect formula (default on)
  --format jpg|gif|bmp    (default jpg)
  --skip | --no-skip      skip rows whose thumbnail file exists (default skip)
  --page-images DIR       also write each full-size page image as a 32-bit BMP named <ID>.bmp
  --jobs N                pages loaded in parallel (default: number of cores, at least 2)
  --timeout SEC           per-page limit from navigation to capture (default 30); over it is "Error"
  --delay MS              extra wait after the page is ready, before capture (default 0)
  --report FILE           CSV: number,id,url,status,file,millis,error (one row per list row, list order)
  --shard K/N             process only rows whose 0-based index i has i mod N == K
  --dry-run               print the rows as TSV (number, ID, URL, status) and capture nothing
  --quiet                 no progress line
  --help, --version

Options not given fall back to config.ini in the program folder, then to the defaults.
Exit status: 0 every row Success or Skipped, 1 some row Error, 2 bad usage or unreadable list,
130/143 interrupted by SIGINT/SIGTERM (the report is still written).
)";
}

} // namespace lumivane::batch
