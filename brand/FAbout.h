#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lumivane {

struct BrandProfile;

/// The About box: the brand's product name, the program version, the brand's copyright
/// line and About text.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(const BrandProfile& profile, QWidget* parent = nullptr);

    QLabel* lblProductName;
    QLabel* lblProductVersion;
    QLabel* lblCopyright1;
    QPlainTextEdit* memAbout;
    QPushButton* editAbout;

public slots:
    void editAboutClick();

private:
    void buildWindow();
    void FormCreate(const BrandProfile& profile);
};

} // namespace lumivane
