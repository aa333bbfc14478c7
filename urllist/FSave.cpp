#include "urllist/FSave.h"

#include "platform/MessageDialog.h"
#include "ui/QtText.h"
#include "ui/WindowPlacement.h"
#include "urllist/DialogParts.h"
#include "urllist/ListFormatRadios.h"
#include "urllist/UrlListExport.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumivane {

TfrmSave::TfrmSave(
    const UrlList& list, MessageDialog& messages, std::string programFolder, QWidget* parent)
    : QDialog(parent)
    , m_list(list)
    , m_messages(messages)
    , m_programFolder(std::move(programFolder))
{
    setObjectName(QStringLiteral("frmSave"));
    setWindowTitle(QStringLiteral("Export List into a text file "));
    setFixedSize(518, 197);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Output file name:")));
    auto* fileRow = new QHBoxLayout;
    edtFile = new QLineEdit(this);
    edtFile->setObjectName(QStringLiteral("edtFile"));
    fileRow->addWidget(edtFile, 1);
    auto* browse = plainButton(QStringLiteral("Browse"), "btnBrowse", this);
    connect(browse, &QPushButton::clicked, this, &TfrmSave::btnBrowseClick);
    fileRow->addWidget(browse);
    layout->addLayout(fileRow);
    layout->addWidget(new QLabel(QStringLiteral("File format:")));
    m_formats = new ListFormatRadios(this);
    layout->addWidget(m_formats);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = plainButton(QStringLiteral("Ok"), "btnOk", this);
    connect(ok, &QPushButton::clicked, this, &TfrmSave::btnOkClick);
    buttons->addWidget(ok);
    auto* cancel = plainButton(QStringLiteral("Cancel"), "btnCancel", this);
    connect(cancel, &QPushButton::clicked, this, &TfrmSave::btnCancelClick);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    centreOnScreen(*this);
}

void TfrmSave::btnBrowseClick()
{
    // A second Browse starts from the previous choice, as one kept chooser would.
    const bool first = m_lastChoice.isEmpty();
    const QString folder = first ? toQt(m_programFolder) : QFileInfo(m_lastChoice).absolutePath();
    const QString name = first ? QStringLiteral("URLList.txt") : QFileInfo(m_lastChoice).fileName();
    const QString path = chooseFile(this, QStringLiteral("Save file"), folder, name, true);
    if (path.isEmpty())
        return;
    m_lastChoice = path;
    edtFile->setText(path);
}

void TfrmSave::btnOkClick()
{
    if (edtFile->text().isEmpty()) {
        m_messages.inform("Please enter a name and location to save list.");
        return;
    }
    saveListFile(m_list, fromQt(edtFile->text()), m_formats->format());
    accept();
}

void TfrmSave::btnCancelClick()
{
    reject();
}

} // namespace lumivane
