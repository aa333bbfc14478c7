#pragma once

#include "ui/ExceptionReporting.h"

#include <string>
#include <vector>

namespace lumivane::test {

/// Collects what reaches the exception reporting while it lives.
class ReportRecorder {
public:
    ReportRecorder()
        : m_previous(ExceptionReporting::presenter())
    {
        ExceptionReporting::setPresenter([this](const std::string& m) { messages.push_back(m); });
    }
    ~ReportRecorder() { ExceptionReporting::setPresenter(m_previous); }
    ReportRecorder(const ReportRecorder&) = delete;
    ReportRecorder& operator=(const ReportRecorder&) = delete;

    std::vector<std::string> messages;

private:
    ExceptionReporting::Presenter m_previous;
};

} // namespace lumivane::test
