#include "tools/lumivane-batch/BatchScheduler.h"

#include "platform/Error.h"
#include "urllist/UrlRow.h"

#include <algorithm>

namespace lumivane::batch {

namespace {

std::string duplicateWarning(const PlannedRow& row, const std::string& status)
{
    if (!row.duplicateOf)
        return {};
    const std::string base = "warning: same ID as row " + *row.duplicateOf;
    return status == status::success ? base + ", whose thumbnail file this row replaced" : base;
}

std::string joinNotes(const std::string& first, const std::string& second)
{
    if (first.empty() || second.empty())
        return first + second;
    return first + "; " + second;
}

} // namespace

BatchScheduler::BatchScheduler(RowSource& source, RowPlanner& planner, PagePool& pages,
    ReportWriter& report, ProgressPrinter& progress, std::function<void()> onOver)
    : m_source(source)
    , m_planner(planner)
    , m_pages(pages)
    , m_report(report)
    , m_progress(progress)
    , m_onOver(std::move(onOver))
    , m_busy(static_cast<std::size_t>(pages.size()))
{
}

void BatchScheduler::start()
{
    dispatch();
}

void BatchScheduler::pageEnded(int page, PageOutcome outcome)
{
    Busy& busy = m_busy.at(static_cast<std::size_t>(page));
    if (!busy.loading)
        return;
    busy.loading = false;
    m_idsLoading.erase(m_idsLoading.find(busy.row.row.id));
    RowResult result = resultOf(busy.row, outcome.status);
    result.millis = outcome.millis;
    result.error = joinNotes(outcome.error, result.error);
    if (outcome.status != status::success)
        result.file.clear();
    record(busy.row, std::move(result));
    dispatch();
}

void BatchScheduler::interrupt(int signal)
{
    if (m_over)
        return;
    if (++m_interrupts == 1) {
        m_signal = signal;
        m_progress.note("lumivane-batch: interrupted: finishing the pages in flight and writing "
                        "the report (interrupt again to stop them now)");
    } else {
        m_pages.abandonAll();
    }
    finishIfIdle();
}

int BatchScheduler::exitCode() const
{
    if (m_listFailed)
        return exitUsage;
    if (m_signal)
        return 128 + m_signal;
    return m_counters.errors ? exitRowErrors : exitAllDone;
}

void BatchScheduler::dispatch()
{
    while (!m_interrupts && !m_over) {
        const auto freePage = std::find_if(
            m_busy.begin(), m_busy.end(), [](const Busy& busy) { return !busy.loading; });
        if (freePage == m_busy.end())
            break;
        auto row = nextPlanned();
        if (!row)
            break;
        const int page = static_cast<int>(freePage - m_busy.begin());
        *freePage = Busy {std::move(*row), true};
        m_idsLoading.insert(freePage->row.row.id);
        m_pages.load(page, freePage->row);
    }
    finishIfIdle();
}

// The next row that needs a page; rows that end without one are recorded on the way.
std::optional<PlannedRow> BatchScheduler::nextPlanned()
{
    if (m_held) {
        if (m_idsLoading.count(m_held->row.id))
            return std::nullopt;
        auto row = std::move(m_held);
        m_held.reset();
        return row;
    }
    while (!m_sourceEnded) {
        std::optional<ListRow> next;
        try {
            next = m_source.next();
        } catch (const Error& error) {
            m_progress.note(std::string("lumivane-batch: ") + error.what());
            m_listFailed = true;
        }
        if (!next) {
            m_sourceEnded = true;
            break;
        }
        if (!m_planner.inShard(next->index))
            continue;
        if (auto row = acceptRow(m_planner.plan(std::move(*next))))
            return row;
        if (m_held)
            break;
    }
    return std::nullopt;
}

// A planned row that needs a page, or nothing when it ended at once or must wait.
std::optional<PlannedRow> BatchScheduler::acceptRow(PlannedRow row)
{
    if (row.status == status::skipped) {
        record(row, resultOf(row, status::skipped));
        return std::nullopt;
    }
    if (!usableAsFileName(row.row.id)) {
        RowResult result = resultOf(row, status::error);
        result.file.clear();
        result.error
            = joinNotes("the ID contains \"/\" and cannot name a file in the folder", result.error);
        record(row, std::move(result));
        return std::nullopt;
    }
    // The later row of an ID must write its file after the earlier one.
    if (m_idsLoading.count(row.row.id)) {
        m_held = std::move(row);
        return std::nullopt;
    }
    return row;
}

void BatchScheduler::record(const PlannedRow& row, RowResult result)
{
    ++m_counters.total;
    if (result.status != status::pending)
        ++m_counters.done;
    if (result.status == status::success)
        ++m_counters.success;
    if (result.status == status::error)
        ++m_counters.errors;
    m_progress.rowEnded(result, m_counters);
    m_report.add(row.sequence, std::move(result));
}

RowResult BatchScheduler::resultOf(const PlannedRow& row, const std::string& status) const
{
    RowResult result {row.row.number, row.row.id, row.row.url, status, row.file, 0, {}};
    if (status == status::pending)
        result.file.clear();
    result.error = duplicateWarning(row, status);
    return result;
}

void BatchScheduler::finishIfIdle()
{
    if (m_over)
        return;
    const bool loading
        = std::any_of(m_busy.begin(), m_busy.end(), [](const Busy& busy) { return busy.loading; });
    if (loading || (!m_interrupts && (!m_sourceEnded || m_held)))
        return;
    if (m_interrupts)
        reportUnstarted();
    m_over = true;
    m_progress.finish(m_counters);
    m_onOver();
}

// After an interrupt every row not loaded still gets its report line.
void BatchScheduler::reportUnstarted()
{
    if (m_held) {
        record(*m_held, resultOf(*m_held, status::pending));
        m_held.reset();
    }
    if (m_sourceEnded)
        return;
    m_sourceEnded = true;
    try {
        while (auto next = m_source.next()) {
            if (!m_planner.inShard(next->index))
                continue;
            const PlannedRow row = m_planner.plan(std::move(*next));
            record(row, resultOf(row, row.status));
        }
    } catch (const Error& error) {
        m_progress.note(std::string("lumivane-batch: ") + error.what());
        m_listFailed = true;
    }
}

bool usableAsFileName(const std::string& id)
{
    return id.find('/') == std::string::npos;
}

} // namespace lumivane::batch
