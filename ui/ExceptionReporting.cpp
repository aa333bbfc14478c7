#include "ui/ExceptionReporting.h"

#include "ui/QtText.h"

#include <QMessageBox>

#include <cstdio>
#include <exception>

namespace lumivane {

namespace {

ExceptionReporting::Presenter& currentPresenter()
{
    static ExceptionReporting::Presenter current;
    return current;
}

void showDialog(const std::string& message)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), toQt(message),
        QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void reportCurrentException()
{
    try {
        throw;
    } catch (const std::exception& error) {
        ExceptionReporting::report(error.what());
    } catch (...) {
        ExceptionReporting::report("Unknown error");
    }
}

} // namespace

void ExceptionReporting::report(const std::string& message)
{
    std::fprintf(stderr, "lumivane: error: %s\n", message.c_str());
    std::fflush(stderr);
    if (currentPresenter())
        currentPresenter()(message);
    else
        showDialog(message);
}

void ExceptionReporting::setPresenter(Presenter newPresenter)
{
    currentPresenter() = std::move(newPresenter);
}

ExceptionReporting::Presenter ExceptionReporting::presenter()
{
    return currentPresenter();
}

void guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (...) {
        reportCurrentException();
    }
}

LumivaneApplication::LumivaneApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool LumivaneApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentException();
        return true;
    }
}

} // namespace lumivane
