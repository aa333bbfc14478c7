#pragma once

#include "snapshot/Bitmap32.h"

#include <string>

namespace lumivane {

/// What a browser tells its owner while it loads. Every event is delivered on
/// the user-interface thread while the message loop runs.
class WebBrowserListener {
public:
    virtual ~WebBrowserListener() = default;
    /// Once for every navigation the page starts, frames and redirects included.
    virtual void BeforeNavigate2() { }
    /// A navigation of the page failed, HTTP error statuses included.
    virtual void NavigateError() { }
    virtual void ProgressChange(int /*progress*/, int /*progressMax*/) { }
    /// The top-level location changed.
    virtual void NavigateComplete2() { }
    virtual void DocumentComplete() { }
    virtual void DownloadComplete() { }
};

/// A loaded page that can draw itself.
class WebDocument {
public:
    virtual ~WebDocument() = default;
    /// Paints the page as rendered, at the browser's own size, into the top-left
    /// corner of `page`; pixels the page does not cover keep their colour.
    virtual void Draw(Bitmap32& page) = 0;
};

/// The browser control: the operations, properties and events the program uses.
/// Text is the program's 8-bit text; the engine converts at its boundary.
class WebBrowser {
public:
    /// The one value of ReadyState the program looks for.
    static constexpr int readyStateComplete = 4;

    virtual ~WebBrowser() = default;

    void setListener(WebBrowserListener* listener) { m_listener = listener; }

    /// Starts loading and returns at once; raises lumivane::Error when the
    /// engine refuses the request.
    virtual void Navigate(const std::string& url) = 0;
    /// Reloads the current page; raises lumivane::Error when there is none.
    virtual void Refresh() = 0;
    /// Cancels loading; never raises.
    virtual void Stop() = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;

    /// The loaded page, or null before the first page has loaded.
    virtual WebDocument* Document() = 0;
    /// 4 once the current navigation has finished (succeeded or failed) and the
    /// result has been rendered; stays 4 until the next navigation starts.
    virtual int ReadyState() const = 0;
    virtual std::string LocationURL() const = 0;
    /// A navigation is in progress.
    virtual bool Busy() const = 0;

protected:
    WebBrowserListener* listener() const { return m_listener; }

private:
    WebBrowserListener* m_listener = nullptr;
};

} // namespace lumivane
