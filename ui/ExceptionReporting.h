#pragma once

#include <QApplication>

#include <functional>
#include <string>

namespace lumivane {

/// Where an error that escapes an event handler goes: a dialog and stderr.
/// Tests replace the dialog with a recorder.
class ExceptionReporting {
public:
    using Presenter = std::function<void(const std::string& message)>;

    static void report(const std::string& message);
    /// The presenter shows the message to the user; the default is a modal dialog.
    static void setPresenter(Presenter presenter);
    static Presenter presenter();
};

/// Runs an action; an exception ends it and goes to the exception reporting.
void guarded(const std::function<void()>& action);

/// The application object: every event is delivered through the guard, so an
/// exception from any slot or event handler ends that handler and the program
/// keeps running.
class LumivaneApplication : public QApplication {
    Q_OBJECT
public:
    LumivaneApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace lumivane
