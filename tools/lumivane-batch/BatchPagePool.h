#pragma once

#include "tools/lumivane-batch/BatchScheduler.h"

#include <memory>
#include <vector>

namespace lumivane::batch {

class BatchPage;
struct BatchSettings;

/// The run's browsers, all in one process and one browser profile.
class BatchPagePool : public PagePool {
public:
    BatchPagePool(int jobs, const BatchSettings& settings, int timeoutMs, int delayMs);
    ~BatchPagePool() override;

    /// Where the pages' outcomes go; set before the first load.
    void setScheduler(BatchScheduler* scheduler) { m_scheduler = scheduler; }

    int size() const override { return static_cast<int>(m_pages.size()); }
    void load(int page, const PlannedRow& row) override;
    void abandonAll() override;

private:
    std::vector<std::unique_ptr<BatchPage>> m_pages;
    BatchScheduler* m_scheduler = nullptr;
};

} // namespace lumivane::batch
