#include "urllist/FList.h"

#include "ui/QtText.h"
#include "ui/WindowPlacement.h"
#include "urllist/DialogParts.h"
#include "urllist/ListFormatRadios.h"
#include "urllist/UrlListImport.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumivane {

TfrmList::TfrmList(UrlList& list, LinkTypeSource linkType, StatusPanels& panels,
    std::string programFolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_list(list)
    , m_linkType(std::move(linkType))
    , m_panels(panels)
    , m_programFolder(std::move(programFolder))
{
    setObjectName(QStringLiteral("frmList"));
    setWindowTitle(QStringLiteral("Choose your way to to enter your URL List"));
    setFixedSize(516, 393);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildFileSection());
    layout->addLayout(buildTypedSection());
    centreOnScreen(*this);
}

QLayout* TfrmList::buildFileSection()
{
    auto* section = new QVBoxLayout;
    section->addLayout(sectionHeading(QStringLiteral(" Load URL List from file: ")));
    section->addWidget(new QLabel(QStringLiteral("File format:")));
    m_formats = new ListFormatRadios(this);
    section->addWidget(m_formats);
    section->addWidget(
        new QLabel(QStringLiteral("The file should be text file and one URL per line.")));

    auto* fileRow = new QHBoxLayout;
    edtURLFile = new QLineEdit(this);
    edtURLFile->setObjectName(QStringLiteral("edtURLFile"));
    fileRow->addWidget(edtURLFile, 1);
    auto* browse = plainButton(QStringLiteral("Browse"), "btnBrowse", this);
    connect(browse, &QPushButton::clicked, this, &TfrmList::btnBrowseClick);
    fileRow->addWidget(browse);
    auto* loadFile = plainButton(QStringLiteral("Load File"), "btnLoadFile", this);
    connect(loadFile, &QPushButton::clicked, this, &TfrmList::btnLoadFileClick);
    fileRow->addWidget(loadFile);
    section->addLayout(fileRow);
    return section;
}

QLayout* TfrmList::buildTypedSection()
{
    auto* section = new QVBoxLayout;
    section->addLayout(sectionHeading(QStringLiteral("Type URL List:")));
    section->addWidget(
        new QLabel(QStringLiteral("Enter URL List in the text box below. One URL per line.")));
    memList = new QPlainTextEdit(this);
    memList->setObjectName(QStringLiteral("memList"));
    memList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    section->addWidget(memList, 1);
    auto* loadList = plainButton(QStringLiteral("Load List"), "btnLoadList", this);
    connect(loadList, &QPushButton::clicked, this, &TfrmList::btnLoadListClick);
    section->addWidget(loadList, 0, Qt::AlignRight);
    return section;
}

void TfrmList::btnBrowseClick()
{
    const QString path
        = chooseFile(this, QStringLiteral("Open file"), toQt(m_programFolder), QString(), false);
    if (!path.isEmpty())
        edtURLFile->setText(path);
}

void TfrmList::btnLoadFileClick()
{
    // The dialog closes even when reading fails; the error goes on to the reporting.
    try {
        loadListFile(
            m_list, m_panels, fromQt(edtURLFile->text()), m_formats->format(), m_linkType());
    } catch (...) {
        accept();
        throw;
    }
    accept();
}

void TfrmList::btnLoadListClick()
{
    // The plain-text box gives each typed line whole, however it is wrapped on screen.
    loadTypedList(m_list, m_panels, fromQt(memList->toPlainText()), m_linkType());
    accept();
}

void TfrmList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace lumivane
