#include "tools/lumivane-batch/BatchPagePool.h"

#include "tools/lumivane-batch/BatchPage.h"

namespace lumivane::batch {

BatchPagePool::BatchPagePool(int jobs, const BatchSettings& settings, int timeoutMs, int delayMs)
{
    for (int i = 0; i < jobs; ++i) {
        m_pages.push_back(std::make_unique<BatchPage>(
            settings, timeoutMs, delayMs, [this, i](PageOutcome outcome) {
                if (m_scheduler)
                    m_scheduler->pageEnded(i, std::move(outcome));
            }));
    }
}

BatchPagePool::~BatchPagePool() = default;

void BatchPagePool::load(int page, const PlannedRow& row)
{
    m_pages.at(static_cast<std::size_t>(page))->load(row);
}

void BatchPagePool::abandonAll()
{
    for (const auto& page : m_pages)
        page->abandon();
}

} // namespace lumivane::batch
