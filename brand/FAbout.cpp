#include "brand/FAbout.h"

#include "brand/BrandProfile.h"
#include "brand/ProgramVersion.h"
#include "ui/QtText.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumivane {

TfrmAbout::TfrmAbout(const BrandProfile& profile, QWidget* parent)
    : QDialog(parent)
{
    buildWindow();
    connect(editAbout, &QPushButton::clicked, this, &TfrmAbout::editAboutClick);
    FormCreate(profile);
}

void TfrmAbout::buildWindow()
{
    setObjectName(QStringLiteral("frmAbout"));
    // A dialog border with no buttons but the close box the window manager insists on.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(368, 211);

    lblProductName = new QLabel(this);
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    QFont bold = lblProductName->font();
    bold.setBold(true);
    lblProductName->setFont(bold);
    lblProductVersion = new QLabel(this);
    lblProductVersion->setObjectName(QStringLiteral("lblProductVersion"));
    lblCopyright1 = new QLabel(this);
    lblCopyright1->setObjectName(QStringLiteral("lblCopyright1"));
    // Brand texts are shown as written, even when they look like markup.
    for (QLabel* label : {lblProductName, lblProductVersion, lblCopyright1})
        label->setTextFormat(Qt::PlainText);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panAbout"));
    memAbout = new QPlainTextEdit(panel);
    memAbout->setObjectName(QStringLiteral("memAbout"));
    memAbout->setReadOnly(true);
    memAbout->setFrameShape(QFrame::NoFrame);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(memAbout);

    editAbout = new QPushButton(QStringLiteral("Ok"), this);
    editAbout->setObjectName(QStringLiteral("editAbout"));
    editAbout->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(editAbout);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(lblProductName);
    layout->addWidget(lblProductVersion);
    layout->addWidget(lblCopyright1);
    layout->addWidget(panel, 1);
    layout->addLayout(buttons);
}

void TfrmAbout::FormCreate(const BrandProfile& profile)
{
    setWindowTitle(toQt("About " + profile.ApplicationName + "..."));
    lblProductName->setText(toQt(profile.ApplicationName));
    lblProductVersion->setText(toQt(std::string("Product Version: ") + programVersion));
    lblCopyright1->setText(
        toQt("Copyright (c) " + profile.CopyrightYears + " " + profile.CopyrightCompany));
    // The record keeps the profile's CR LF line breaks; the memo shows one line per line.
    QString about = toQt(profile.AboutText);
    about.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    about.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    memAbout->setPlainText(about);
}

void TfrmAbout::editAboutClick()
{
    accept();
}

} // namespace lumivane
