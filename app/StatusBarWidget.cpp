#include "app/StatusBarWidget.h"

#include "ui/QtText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

namespace lumivane {

namespace {

QLabel* makePanel(QWidget* parent, const char* name, const char* caption)
{
    auto* panel = new QLabel(QString::fromLatin1(caption), parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFixedWidth(95);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return panel;
}

} // namespace

StatusBarWidget::StatusBarWidget(QWidget* parent)
    : QWidget(parent)
    , stpTotal(makePanel(this, "stpTotal", "Total:"))
    , stpDone(makePanel(this, "stpDone", "Done:"))
    , stpSuccess(makePanel(this, "stpSuccess", "Success:"))
    , stpError(makePanel(this, "stpError", "Error:"))
    , MainGauge(new QProgressBar(this))
{
    setFixedHeight(17);
    MainGauge->setObjectName(QStringLiteral("MainGauge"));
    MainGauge->setRange(0, 100);
    MainGauge->setValue(0);
    MainGauge->setTextVisible(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (auto* panel : {stpTotal, stpDone, stpSuccess, stpError})
        layout->addWidget(panel);
    layout->addWidget(MainGauge, 1);
}

void StatusBarWidget::setTotalText(const std::string& text)
{
    stpTotal->setText(toQt(text));
}

void StatusBarWidget::setDoneText(const std::string& text)
{
    stpDone->setText(toQt(text));
}

void StatusBarWidget::setSuccessText(const std::string& text)
{
    stpSuccess->setText(toQt(text));
}

void StatusBarWidget::setErrorText(const std::string& text)
{
    stpError->setText(toQt(text));
}

} // namespace lumivane
