#pragma once

#include "urllist/StatusPanels.h"

#include <QWidget>

class QLabel;
class QProgressBar;

namespace lumivane {

/// The status bar: four 95-pixel panels and the gauge filling the rest.
class StatusBarWidget : public QWidget, public StatusPanels {
    Q_OBJECT
public:
    explicit StatusBarWidget(QWidget* parent);

    void setTotalText(const std::string& text) override;
    void setDoneText(const std::string& text) override;
    void setSuccessText(const std::string& text) override;
    void setErrorText(const std::string& text) override;

    QLabel* stpTotal;
    QLabel* stpDone;
    QLabel* stpSuccess;
    QLabel* stpError;
    QProgressBar* MainGauge;
};

} // namespace lumivane
