#include "snapshot/BatchRunner.h"

#include "platform/Error.h"
#include "platform/MessageDialog.h"
#include "snapshot/ProgressGauge.h"
#include "snapshot/RunnerPorts.h"
#include "urllist/StatusPanels.h"
#include "urllist/UrlList.h"

#include <filesystem>

namespace lumivane {

namespace {

bool isDirectory(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

bool isFile(const std::string& path)
{
    std::error_code error;
    const auto state = std::filesystem::status(path, error);
    return std::filesystem::exists(state) && !std::filesystem::is_directory(state);
}

} // namespace

std::string thumbnailFileName(
    const std::string& folder, const std::string& id, const std::string& ext)
{
    return folder + "/" + id + "." + ext;
}

BatchRunner::BatchRunner(RunnerPorts ports)
    : m_ports(std::move(ports))
{
}

void BatchRunner::Start()
{
    const auto generation = ++m_generation;
    m_stopped = false;
    UpdateCounters();
    if (generation != m_generation)
        return;
    if (!isDirectory(m_ports.settings.folder())) {
        m_ports.messages.inform("Please enter a valid folder to save thumbnails.");
        return;
    }
    if (m_ports.list.empty()) {
        m_ports.messages.inform("Please create a new URL list or add a custom URL.");
        return;
    }
    markSelectedRows(generation);
    if (generation != m_generation)
        return;
    m_ports.timer.setEnabled(false);
    m_current = -1;
    m_current = FindNextPending();
    if (m_current == -1)
        return;
    loadCurrentRow();
    m_ports.pages.setActivePage(InnerPages::snapshotBrowserPage);
    m_ports.timer.setEnabled(true);
}

void BatchRunner::markSelectedRows(std::uint64_t generation)
{
    auto& list = m_ports.list;
    const auto rows = list.count();
    for (std::size_t i = 0; i < rows; ++i) {
        UpdateCounters();
        // Messages ran: a Stop or another Start may have taken over, or rows
        // may have been deleted.
        if (generation != m_generation || i >= list.count())
            return;
        const auto& row = list.row(i);
        if (!row.selected)
            continue;
        const auto& settings = m_ports.settings;
        const bool exists = isFile(thumbnailFileName(settings.folder(), row.id, settings.ext()));
        list.setStatus(i, settings.skip() && exists ? status::skipped : status::pending);
    }
}

void BatchRunner::Stop()
{
    m_ports.timer.setEnabled(false);
    try {
        m_ports.browser.Stop();
    } catch (...) {
        // A browser that cannot stop has nothing left to load for the run.
    }
    m_stopped = true;
    ++m_generation;
    if (!m_ports.list.empty() && m_current != -1 && currentRowIsValid())
        m_ports.list.setStatus(static_cast<std::size_t>(m_current), status::pending);
}

void BatchRunner::Tick()
{
    try {
        if (!m_stopped && m_ports.browser.ReadyState() == WebBrowser::readyStateComplete) {
            m_ports.timer.setEnabled(false);
            if (currentRowIsValid())
                captureAndContinue(m_generation);
            else
                endRun();
        }
    } catch (...) {
        m_ports.pages.setActivePage(InnerPages::urlListPage);
        throw;
    }
    m_ports.pages.setActivePage(InnerPages::urlListPage);
}

void BatchRunner::captureAndContinue(std::uint64_t generation)
{
    const auto index = static_cast<std::size_t>(m_current);
    const auto& row = m_ports.list.row(index);
    if (row.status != status::error) {
        const auto& settings = m_ports.settings;
        const auto fileName = thumbnailFileName(settings.folder(), row.id, settings.ext());
        // An ID such as "../x" would write outside the folder: refused like any
        // name the file system cannot take.
        if (row.id.find('/') != std::string::npos)
            throw Error(
                "Cannot create file \"" + fileName + "\". A file name cannot contain \"/\"");
        m_ports.saveSnapshot(fileName);
        m_ports.list.setStatus(index, status::success);
        UpdateCounters();
        // A Start or Stop that ran meanwhile owns the run now.
        if (generation != m_generation)
            return;
    }
    m_current = FindNextPending();
    if (m_current == -1)
        return;
    loadCurrentRow();
    m_ports.timer.setEnabled(true);
}

void BatchRunner::loadCurrentRow()
{
    const auto index = static_cast<std::size_t>(m_current);
    const auto& row = m_ports.list.row(index);
    m_layoutVersion = m_ports.list.layoutVersion();
    m_currentId = row.id;
    m_currentUrl = row.url;
    try {
        m_ports.browser.Navigate(m_currentUrl);
    } catch (...) {
        // The run ends with the error reported; marking the row keeps a later
        // Start from stopping at the same request again.
        m_ports.list.setStatus(index, status::error);
        throw;
    }
}

void BatchRunner::endRun()
{
    m_ports.timer.setEnabled(false);
    try {
        m_ports.browser.Stop();
    } catch (...) {
        // Nothing is left to load either way.
    }
    m_current = -1;
    UpdateCounters();
}

bool BatchRunner::currentRowIsValid()
{
    const auto& list = m_ports.list;
    if (m_current < 0 || static_cast<std::size_t>(m_current) >= list.count())
        return false;
    if (list.layoutVersion() == m_layoutVersion)
        return true;
    // Rows were added, removed or moved: the position still names the row
    // being loaded only if the row there is the same one.
    const auto& row = list.row(static_cast<std::size_t>(m_current));
    if (row.id != m_currentId || row.url != m_currentUrl)
        return false;
    m_layoutVersion = list.layoutVersion();
    return true;
}

void BatchRunner::BeforeNavigate2()
{
    if (!m_stopped && currentRowIsValid())
        m_ports.list.setStatus(static_cast<std::size_t>(m_current), status::downloading);
}

void BatchRunner::NavigateError()
{
    if (m_stopped || !currentRowIsValid())
        return;
    m_ports.list.setStatus(static_cast<std::size_t>(m_current), status::error);
    UpdateCounters();
}

void BatchRunner::ProgressChange(int progress, int progressMax)
{
    if (m_stopped) {
        m_ports.gauge.setValue(0);
        return;
    }
    m_ports.gauge.setValue(progress);
    m_ports.gauge.setMaximum(progressMax);
}

void BatchRunner::UpdateCounters()
{
    m_errors = m_done = m_success = m_pending = m_total = 0;
    const auto& list = m_ports.list;
    for (std::size_t i = 0; i < list.count(); ++i) {
        const auto& word = list.row(i).status;
        if (word == status::error)
            ++m_errors;
        else if (word == status::pending)
            ++m_pending;
        else if (word == status::success)
            ++m_success;
    }
    m_total = static_cast<int>(list.count());
    m_done = m_total - m_pending;
    m_ports.panels.setTotalText("Total: " + std::to_string(m_total));
    m_ports.panels.setDoneText("Done: " + std::to_string(m_done));
    m_ports.panels.setSuccessText("Success: " + std::to_string(m_success));
    m_ports.panels.setErrorText("Errors: " + std::to_string(m_errors));
    if (m_ports.pump)
        m_ports.pump();
}

int BatchRunner::FindNextPending()
{
    const auto& list = m_ports.list;
    if (list.empty()) {
        m_ports.messages.inform("Please add at least one url and select it to start the process");
        return -1;
    }
    if (list.selectedCount() == 0) {
        m_ports.messages.inform("Please select at least one url to start the process");
        return -1;
    }
    for (std::size_t i = 0; i < list.count(); ++i) {
        if (list.row(i).status == status::pending)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace lumivane
