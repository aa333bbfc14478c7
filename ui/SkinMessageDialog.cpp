#include "ui/SkinMessageDialog.h"

#include "ui/QtText.h"

#include <QApplication>
#include <QMessageBox>

namespace lumivane {

SkinMessageDialog::SkinMessageDialog(QWidget* parent)
    : m_parent(parent)
{
}

MessageResult SkinMessageDialog::show(
    const std::string& text, MessageKind kind, MessageButtons buttons)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(toQt(text));
    box.setIcon(kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::Information);
    if (buttons == MessageButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? MessageResult::Ok : MessageResult::Cancel;
}

} // namespace lumivane
