#include "urllist/DialogParts.h"

#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace lumivane {

QLayout* sectionHeading(const QString& caption)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(caption));
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    row->addWidget(rule, 1);
    return row;
}

QPushButton* plainButton(const QString& caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QString chooseFile(QWidget* parent, const QString& title, const QString& folder,
    const QString& fileName, bool forSaving)
{
    // "*" rather than "*.*": on this platform many text files have no extension.
    QFileDialog chooser(parent, title, folder, QStringLiteral("All files (*)"));
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    if (forSaving) {
        chooser.setAcceptMode(QFileDialog::AcceptSave);
        chooser.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        chooser.setFileMode(QFileDialog::ExistingFile);
    }
    if (!fileName.isEmpty())
        chooser.selectFile(fileName);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return {};
    return chooser.selectedFiles().constFirst();
}

} // namespace lumivane
