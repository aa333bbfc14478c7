#include "urllist/ListFormatRadios.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace lumivane {

namespace {

QRadioButton* addRadio(QVBoxLayout* layout, const char* name, const char* caption)
{
    auto* button = new QRadioButton(QString::fromLatin1(caption));
    button->setObjectName(QString::fromLatin1(name));
    layout->addWidget(button);
    return button;
}

} // namespace

ListFormatRadios::ListFormatRadios(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    rbtFormat1 = addRadio(layout, "rbtFormat1", "One URL per line");
    rbtFormat2 = addRadio(
        layout, "rbtFormat2", "ID and URL separated by pipe \"|\" (e.g. 1|http://www.example.com)");
    rbtFormat3 = addRadio(layout, "rbtFormat3",
        "ID and URL separated by comma \",\" (e.g. 1,http://www.example.com)");
    rbtFormat1->setChecked(true);
}

ListFormat ListFormatRadios::format() const
{
    if (rbtFormat1->isChecked())
        return ListFormat::oneUrlPerLine;
    if (rbtFormat2->isChecked())
        return ListFormat::pipe;
    return ListFormat::comma;
}

} // namespace lumivane
