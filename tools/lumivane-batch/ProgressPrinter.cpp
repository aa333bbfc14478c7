#include "tools/lumivane-batch/ProgressPrinter.h"

#include "tools/lumivane-batch/ReportWriter.h"
#include "urllist/UrlRow.h"

#include <cmath>
#include <cstdio>

namespace lumivane::batch {

namespace {

// Terminal redraws at most this often; a run of skipped rows would flood it otherwise.
constexpr double redrawSeconds = 0.1;

std::string duration(double seconds)
{
    const long long whole = std::llround(seconds);
    char text[32];
    if (whole >= 3600)
        std::snprintf(text, sizeof text, "%lldh%02lldm", whole / 3600, whole % 3600 / 60);
    else
        std::snprintf(text, sizeof text, "%lldm%02llds", whole / 60, whole % 60);
    return text;
}

} // namespace

std::string totalLine(const RunCounters& counters)
{
    return "Total: " + std::to_string(counters.total) + "  Done: " + std::to_string(counters.done)
        + "  Success: " + std::to_string(counters.success)
        + "  Errors: " + std::to_string(counters.errors);
}

ProgressPrinter::ProgressPrinter(std::ostream& out, bool terminal, bool quiet, Clock clock)
    : m_out(out)
    , m_terminal(terminal)
    , m_quiet(quiet)
    , m_clock(std::move(clock))
    , m_started(m_clock())
{
}

void ProgressPrinter::rowEnded(const RowResult& result, const RunCounters& counters)
{
    if (result.status != status::skipped)
        ++m_loaded;
    if (m_quiet)
        return;
    if (!m_terminal) {
        m_out << doneOfTotal(counters.done) << ' ' << result.status << ' ' << result.url;
        if (!result.error.empty())
            m_out << " (" << result.error << ')';
        m_out << '\n' << std::flush;
        return;
    }
    const double now = m_clock();
    if (now - m_lastDrawn < redrawSeconds && counters.done != m_total.value_or(-1))
        return;
    m_lastDrawn = now;
    m_out << "\r\033[K" << statusLine(counters) << std::flush;
    m_lineShown = true;
}

void ProgressPrinter::note(const std::string& text)
{
    clearLine();
    m_out << text << '\n' << std::flush;
}

void ProgressPrinter::finish(const RunCounters& counters)
{
    clearLine();
    m_out << totalLine(counters) << '\n' << std::flush;
}

std::string ProgressPrinter::statusLine(const RunCounters& counters) const
{
    const double elapsed = m_clock() - m_started;
    const double rate = elapsed > 0 ? m_loaded / elapsed : 0;
    char rateText[32];
    std::snprintf(rateText, sizeof rateText, "%.1f pages/s", rate);
    std::string line = doneOfTotal(counters.done) + "  success " + std::to_string(counters.success)
        + "  errors " + std::to_string(counters.errors) + "  " + rateText;
    if (m_total && rate > 0)
        line += "  ETA " + duration(static_cast<double>(*m_total - counters.done) / rate);
    return line;
}

std::string ProgressPrinter::doneOfTotal(long long done) const
{
    return std::to_string(done) + "/" + (m_total ? std::to_string(*m_total) : std::string("?"));
}

void ProgressPrinter::clearLine()
{
    if (m_lineShown)
        m_out << "\r\033[K";
    m_lineShown = false;
}

} // namespace lumivane::batch
