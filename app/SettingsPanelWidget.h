#pragma once

#include "app/SettingsPanel.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace lumivane {

/// The settings controls of the main page. They show the SettingsPanel's
/// fields and forward every edit to it; the panel's rules do the rest.
class SettingsPanelWidget : public QWidget, private SettingsPanel::Listener {
    Q_OBJECT
public:
    SettingsPanelWidget(SettingsPanel& settings, QWidget* parent);
    ~SettingsPanelWidget() override;

    /// The snapshot browser follows the browser width and height at once.
    std::function<void(int width, int height)> onBrowserSizeChanged;

    QLineEdit* edtFolder;
    QPushButton* bsSkinButton6;
    QSpinBox* speBrowserX;
    QSpinBox* speBrowserY;
    QSpinBox* speThumbX;
    QSpinBox* speThumbY;
    QCheckBox* chkKeepAspectRatio;
    QCheckBox* chkSkip;
    QComboBox* cbxExt;
    QComboBox* cbxType;

public slots:
    void bsSkinButton6Click();

private:
    void settingsChanged() override;
    void browserSizeChanged(int width, int height) override;
    void connectEdits();

    SettingsPanel& m_settings;
    bool m_showing = false;
};

} // namespace lumivane
