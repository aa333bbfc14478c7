#include "urllist/FURL.h"

#include "ui/QtText.h"
#include "ui/WindowPlacement.h"
#include "urllist/DialogParts.h"
#include "urllist/UrlListImport.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumivane {

TfrmAddUrl::TfrmAddUrl(UrlList& list, LinkTypeSource linkType, StatusPanels& panels,
    const std::string& url, QWidget* parent)
    : QDialog(parent)
    , m_list(list)
    , m_linkType(std::move(linkType))
    , m_panels(panels)
{
    setObjectName(QStringLiteral("frmAddUrl"));
    setWindowTitle(QStringLiteral("Add url"));
    setFixedSize(445, 98);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Target URL to Snap:")));
    edtURL = new QLineEdit(toQt(url), this);
    edtURL->setObjectName(QStringLiteral("edtURL"));
    edtURL->setFixedWidth(417);
    layout->addWidget(edtURL);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = plainButton(QStringLiteral("Ok"), "btnOk", this);
    connect(ok, &QPushButton::clicked, this, &TfrmAddUrl::btnOkClick);
    buttons->addWidget(ok);
    auto* cancel = plainButton(QStringLiteral("Cancel"), "btnCancel", this);
    connect(cancel, &QPushButton::clicked, this, &TfrmAddUrl::btnCancelClick);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    edtURL->setFocus();
    centreOnScreen(*this);
}

void TfrmAddUrl::btnOkClick()
{
    addUrl(m_list, m_panels, fromQt(edtURL->text()), m_linkType());
    accept();
}

void TfrmAddUrl::btnCancelClick()
{
    reject();
}

void TfrmAddUrl::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace lumivane
