#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace lumivane::batch {

struct RowResult;

/// The counters of a run, as the desktop's status bar counts them: done is
/// every row that is no longer pending.
struct RunCounters {
    long long total = 0;
    long long done = 0;
    long long success = 0;
    long long errors = 0;
};

/// "Total: N  Done: N  Success: N  Errors: N"
std::string totalLine(const RunCounters& counters);

/// Progress on standard error: one line rewritten in place on a terminal, one
/// plain line per row otherwise; always the total line at the end.
class ProgressPrinter {
public:
    using Clock = std::function<double()>; ///< seconds, monotonic

    ProgressPrinter(std::ostream& out, bool terminal, bool quiet, Clock clock);

    /// Rows of the run, when known before it starts (not for standard input).
    void setTotal(std::optional<long long> total) { m_total = total; }
    void rowEnded(const RowResult& result, const RunCounters& counters);
    void note(const std::string& text);
    void finish(const RunCounters& counters);

private:
    std::string statusLine(const RunCounters& counters) const;
    std::string doneOfTotal(long long done) const;
    void clearLine();

    std::ostream& m_out;
    bool m_terminal;
    bool m_quiet;
    Clock m_clock;
    double m_started;
    double m_lastDrawn = -1;
    bool m_lineShown = false;
    long long m_loaded = 0; ///< rows that went through a browser, for the rate
    std::optional<long long> m_total;
};

} // namespace lumivane::batch
