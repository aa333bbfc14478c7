#include "snapshot/SnapshotRun.h"

#include "app/SettingsPanel.h"
#include "snapshot/BatchRunner.h"
#include "snapshot/ProgressGauge.h"
#include "snapshot/RunnerPorts.h"
#include "snapshot/SaveSnapshot.h"
#include "snapshot/SnapshotHost.h"
#include "snapshot/SnapshotMirror.h"
#include "snapshot/WebEngineBrowser.h"
#include "ui/ExceptionReporting.h"

#include <QApplication>
#include <QProgressBar>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>

namespace lumivane {

namespace {

class QtRunTimer : public RunTimer {
public:
    explicit QtRunTimer(QTimer* timer)
        : m_timer(timer)
    {
    }
    void setEnabled(bool enabled) override
    {
        if (enabled)
            m_timer->start();
        else
            m_timer->stop();
    }
    bool enabled() const override { return m_timer->isActive(); }

private:
    QTimer* m_timer;
};

class TabPages : public InnerPages {
public:
    explicit TabPages(QTabWidget* pages)
        : m_pages(pages)
    {
    }
    void setActivePage(int index) override { m_pages->setCurrentIndex(index); }

private:
    QTabWidget* m_pages;
};

class ProgressBarDisplay : public GaugeDisplay {
public:
    explicit ProgressBarDisplay(QProgressBar* bar)
        : m_bar(bar)
    {
    }
    void showGauge(int value, int maximum) override
    {
        m_bar->setRange(0, maximum);
        m_bar->setValue(value);
    }

private:
    QProgressBar* m_bar;
};

class PanelSettings : public RunSettings {
public:
    explicit PanelSettings(const SettingsPanel& settings)
        : m_settings(settings)
    {
    }
    std::string folder() const override { return m_settings.folder(); }
    bool skip() const override { return m_settings.skip(); }
    std::string ext() const override { return m_settings.ext(); }

private:
    const SettingsPanel& m_settings;
};

SnapshotSizes sizesOf(const SettingsPanel& settings)
{
    return {settings.browserX(), settings.browserY(), settings.thumbX(), settings.thumbY()};
}

} // namespace

struct SnapshotRun::Adapters {
    Adapters(const Controls& controls)
        : timer(controls.timer)
        , pages(controls.innerPages)
        , display(controls.gauge)
        , gauge(&display)
        , settings(controls.settings)
    {
    }
    QtRunTimer timer;
    TabPages pages;
    ProgressBarDisplay display;
    ProgressGauge gauge;
    PanelSettings settings;
};

SnapshotRun::SnapshotRun(Controls controls, QObject* parent)
    : QObject(parent)
    , m_host(std::make_unique<SnapshotHost>())
    , m_adapters(std::make_unique<Adapters>(controls))
{
    const SettingsPanel& settings = controls.settings;
    auto& browser = m_host->browser();
    m_runner = std::make_unique<BatchRunner>(RunnerPorts {controls.list, m_adapters->settings,
        browser, m_adapters->timer, m_adapters->gauge, m_adapters->pages, controls.panels,
        controls.messages, [] { QApplication::processEvents(); },
        [&browser, &settings](
            const std::string& fileName) { SaveSnapshot(browser, sizesOf(settings), fileName); }});
    browser.setListener(m_runner.get());
    controls.browserBox->setWidget(new SnapshotMirror(m_host->view(), controls.browserBox));
    setBrowserSize(settings.browserX(), settings.browserY());
}

SnapshotRun::~SnapshotRun()
{
    m_host->browser().setListener(nullptr);
}

void SnapshotRun::Start()
{
    guarded([this] { m_runner->Start(); });
}

void SnapshotRun::Stop()
{
    guarded([this] { m_runner->Stop(); });
}

void SnapshotRun::Tick()
{
    guarded([this] { m_runner->Tick(); });
}

void SnapshotRun::UpdateCounters()
{
    m_runner->UpdateCounters();
}

void SnapshotRun::setBrowserSize(int width, int height)
{
    m_host->setBrowserSize(width, height);
}

} // namespace lumivane
