#pragma once

#include "platform/Error.h"
#include "platform/MessageDialog.h"
#include "snapshot/BatchRunner.h"
#include "snapshot/ProgressGauge.h"
#include "snapshot/RunnerPorts.h"
#include "urllist/StatusPanels.h"
#include "urllist/UrlList.h"

#include <functional>
#include <string>
#include <vector>

namespace lumivane::test {

/// A browser that loads nothing: the test says when a page is complete.
class FakeBrowser : public WebBrowser {
public:
    void Navigate(const std::string& url) override
    {
        if (refuse)
            throw Error("Cannot navigate to \"" + url + "\"");
        navigations.push_back(url);
        readyState = 1;
    }
    void Refresh() override { }
    void Stop() override { ++stops; }
    void GoBack() override { }
    void GoForward() override { }
    WebDocument* Document() override { return nullptr; }
    int ReadyState() const override { return readyState; }
    std::string LocationURL() const override
    {
        return navigations.empty() ? std::string() : navigations.back();
    }
    bool Busy() const override { return readyState != readyStateComplete; }

    void complete() { readyState = readyStateComplete; }

    std::vector<std::string> navigations;
    int readyState = 0;
    int stops = 0;
    bool refuse = false;
};

class FakeTimer : public RunTimer {
public:
    void setEnabled(bool enabled) override { on = enabled; }
    bool enabled() const override { return on; }
    bool on = false;
};

class FakePages : public InnerPages {
public:
    void setActivePage(int index) override { active = index; }
    int active = -1;
};

class FakePanels : public StatusPanels {
public:
    void setTotalText(const std::string& text) override { total = text; }
    void setDoneText(const std::string& text) override { done = text; }
    void setSuccessText(const std::string& text) override { success = text; }
    void setErrorText(const std::string& text) override { errors = text; }
    std::string total, done, success, errors;
};

class FakeMessages : public MessageDialog {
public:
    MessageResult show(const std::string& text, MessageKind kind, MessageButtons buttons) override
    {
        texts.push_back(text);
        kinds.push_back(kind);
        okOnly = okOnly && buttons == MessageButtons::Ok;
        return MessageResult::Ok;
    }
    std::vector<std::string> texts;
    std::vector<MessageKind> kinds;
    bool okOnly = true;
};

class FakeSettings : public RunSettings {
public:
    std::string folder() const override { return folderText; }
    bool skip() const override { return skipTicked; }
    std::string ext() const override { return extText; }
    std::string folderText;
    bool skipTicked = false;
    std::string extText = "jpg";
};

class FakeGaugeDisplay : public GaugeDisplay {
public:
    void showGauge(int value, int maximum) override
    {
        shownValue = value;
        shownMaximum = maximum;
    }
    int shownValue = -1;
    int shownMaximum = -1;
};

/// The runner with a fake for every port. `duringPump` runs inside each
/// UpdateCounters, as a window message would.
struct RunnerRig {
    RunnerRig()
        : gauge(&gaugeDisplay)
        , runner(RunnerPorts {list, settings, browser, timer, gauge, pages, panels, messages,
              [this] {
                  ++pumps;
                  if (duringPump)
                      duringPump();
              },
              [this](const std::string& name) {
                  if (failCapture)
                      throw Error("Cannot create file \"" + name + "\". Permission denied");
                  captures.push_back(name);
              }})
    {
    }

    /// Appends rows with the IDs given, "Pending", selected as told.
    void addRows(const std::vector<std::pair<std::string, bool>>& rows)
    {
        for (const auto& [id, selected] : rows) {
            list.append(UrlRow {std::to_string(list.count() + 1), id, "http://" + id + "/",
                status::pending, false});
            list.setSelected(list.count() - 1, selected);
        }
    }
    std::string statusOf(std::size_t index) const { return list.row(index).status; }
    std::string fileOf(const std::string& id) const
    {
        return settings.folderText + "/" + id + "." + settings.extText;
    }
    /// Completes the page being loaded and ticks once.
    void completeAndTick()
    {
        browser.complete();
        runner.Tick();
    }

    UrlList list;
    FakeSettings settings;
    FakeBrowser browser;
    FakeTimer timer;
    FakeGaugeDisplay gaugeDisplay;
    ProgressGauge gauge;
    FakePages pages;
    FakePanels panels;
    FakeMessages messages;
    std::function<void()> duringPump;
    int pumps = 0;
    bool failCapture = false;
    std::vector<std::string> captures;
    BatchRunner runner;
};

} // namespace lumivane::test
