#include "app/SettingsPanelWidget.h"

#include "ui/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <climits>

namespace lumivane {

namespace {

QSpinBox* makeSizeField(QWidget* parent, const char* name)
{
    auto* field = new QSpinBox(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(INT_MIN, INT_MAX);
    field->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    field->setValue(0);
    // The full integer range would make the field as wide as ten digits.
    field->setMinimumWidth(64);
    field->setMaximumWidth(90);
    return field;
}

QLabel* label(QWidget* parent, const char* text)
{
    return new QLabel(QString::fromLatin1(text), parent);
}

} // namespace

SettingsPanelWidget::SettingsPanelWidget(SettingsPanel& settings, QWidget* parent)
    : QWidget(parent)
    , edtFolder(new QLineEdit(this))
    , bsSkinButton6(new QPushButton(QStringLiteral("Browse"), this))
    , speBrowserX(makeSizeField(this, "speBrowserX"))
    , speBrowserY(makeSizeField(this, "speBrowserY"))
    , speThumbX(makeSizeField(this, "speThumbX"))
    , speThumbY(makeSizeField(this, "speThumbY"))
    , chkKeepAspectRatio(new QCheckBox(QStringLiteral("Keep aspect radio"), this))
    , chkSkip(new QCheckBox(QStringLiteral("Skip existing"), this))
    , cbxExt(new QComboBox(this))
    , cbxType(new QComboBox(this))
    , m_settings(settings)
{
    setFixedHeight(104);
    edtFolder->setObjectName(QStringLiteral("edtFolder"));
    bsSkinButton6->setObjectName(QStringLiteral("bsSkinButton6"));
    chkKeepAspectRatio->setObjectName(QStringLiteral("chkKeepAspectRatio"));
    chkSkip->setObjectName(QStringLiteral("chkSkip"));
    cbxExt->setObjectName(QStringLiteral("cbxExt"));
    cbxExt->addItems({QStringLiteral("jpg"), QStringLiteral("gif"), QStringLiteral("bmp")});
    cbxType->setObjectName(QStringLiteral("cbxType"));
    cbxType->addItems({QStringLiteral("Automatic Alphanumeric ID"), QStringLiteral("URL Address")});

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(4);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(edtFolder, 1);
    folderRow->addWidget(bsSkinButton6);
    folderRow->addSpacing(12);
    folderRow->addWidget(chkKeepAspectRatio);
    folderRow->addWidget(chkSkip);
    grid->addWidget(label(this, "Output folder:"), 0, 0);
    grid->addLayout(folderRow, 0, 1, 1, 6);
    grid->addWidget(label(this, "Browser Width:"), 1, 0);
    grid->addWidget(speBrowserX, 1, 1);
    grid->addWidget(label(this, "Browser Height:"), 1, 2);
    grid->addWidget(speBrowserY, 1, 3);
    grid->addWidget(label(this, "Export as:"), 1, 5);
    grid->addWidget(cbxExt, 1, 6);
    grid->addWidget(label(this, "Thumbnail Width:"), 2, 0);
    grid->addWidget(speThumbX, 2, 1);
    grid->addWidget(label(this, "Thumbnail Height:"), 2, 2);
    grid->addWidget(speThumbY, 2, 3);
    grid->addWidget(label(this, "Generate File Name From:"), 2, 5);
    grid->addWidget(cbxType, 2, 6);
    grid->setColumnStretch(4, 1);

    m_settings.setListener(this);
    settingsChanged();
    connectEdits();
}

SettingsPanelWidget::~SettingsPanelWidget()
{
    m_settings.setListener(nullptr);
}

void SettingsPanelWidget::connectEdits()
{
    connect(edtFolder, &QLineEdit::textEdited, this,
        [this](const QString& text) { m_settings.setFolder(fromQt(text)); });
    connect(speBrowserX, &QSpinBox::valueChanged, this,
        [this](int value) { m_settings.setBrowserX(value); });
    connect(speBrowserY, &QSpinBox::valueChanged, this,
        [this](int value) { m_settings.setBrowserY(value); });
    connect(speThumbX, &QSpinBox::valueChanged, this,
        [this](int value) { m_settings.setThumbX(value); });
    connect(speThumbY, &QSpinBox::valueChanged, this,
        [this](int value) { m_settings.setThumbY(value); });
    connect(chkKeepAspectRatio, &QCheckBox::clicked, this,
        [this](bool checked) { m_settings.setKeepAspectRatio(checked); });
    connect(
        chkSkip, &QCheckBox::clicked, this, [this](bool checked) { m_settings.setSkip(checked); });
    connect(cbxExt, &QComboBox::currentTextChanged, this,
        [this](const QString& text) { m_settings.setExt(fromQt(text)); });
    connect(cbxType, &QComboBox::currentIndexChanged, this,
        [this](int index) { m_settings.setLinkType(index); });
    connect(bsSkinButton6, &QPushButton::clicked, this, &SettingsPanelWidget::bsSkinButton6Click);
}

void SettingsPanelWidget::bsSkinButton6Click()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Select folder"), toQt(m_settings.folder()));
    if (!folder.isEmpty())
        m_settings.setFolder(fromQt(folder));
}

void SettingsPanelWidget::settingsChanged()
{
    // Showing a value must not feed it back as an edit.
    if (m_showing)
        return;
    m_showing = true;
    const QSignalBlocker blockers[] = {QSignalBlocker(edtFolder), QSignalBlocker(speBrowserX),
        QSignalBlocker(speBrowserY), QSignalBlocker(speThumbX), QSignalBlocker(speThumbY),
        QSignalBlocker(chkKeepAspectRatio), QSignalBlocker(chkSkip), QSignalBlocker(cbxExt),
        QSignalBlocker(cbxType)};
    if (fromQt(edtFolder->text()) != m_settings.folder())
        edtFolder->setText(toQt(m_settings.folder()));
    speBrowserX->setValue(m_settings.browserX());
    speBrowserY->setValue(m_settings.browserY());
    speThumbX->setValue(m_settings.thumbX());
    speThumbY->setValue(m_settings.thumbY());
    speThumbY->setReadOnly(!m_settings.thumbYEditable());
    speThumbY->setEnabled(m_settings.thumbYEditable());
    chkKeepAspectRatio->setChecked(m_settings.keepAspectRatio());
    chkSkip->setChecked(m_settings.skip());
    cbxExt->setCurrentText(toQt(m_settings.ext()));
    cbxType->setCurrentIndex(m_settings.linkType());
    m_showing = false;
}

void SettingsPanelWidget::browserSizeChanged(int width, int height)
{
    if (onBrowserSizeChanged)
        onBrowserSizeChanged(width, height);
}

} // namespace lumivane
