#pragma once

#include <string>

namespace lumivane {

/// The poll timer that drives the runner's tick.
class RunTimer {
public:
    virtual ~RunTimer() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
};

/// The inner page control: the list page and the snapshot browser's page.
class InnerPages {
public:
    static constexpr int urlListPage = 0;
    static constexpr int snapshotBrowserPage = 1;

    virtual ~InnerPages() = default;
    virtual void setActivePage(int index) = 0;
};

/// The settings the runner reads where it uses them, so a change made during a
/// run applies from the next row on.
class RunSettings {
public:
    virtual ~RunSettings() = default;
    virtual std::string folder() const = 0;
    virtual bool skip() const = 0;
    /// "jpg", "gif" or "bmp".
    virtual std::string ext() const = 0;
};

} // namespace lumivane
