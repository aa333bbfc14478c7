#pragma once

#include <QDialog>

#include <string>

class QLineEdit;

namespace lumivane {

class ListFormatRadios;
class MessageDialog;
class UrlList;

/// The export dialog: writes the selected rows to a file in one of the layouts.
class TfrmSave : public QDialog {
    Q_OBJECT
public:
    TfrmSave(const UrlList& list, MessageDialog& messages, std::string programFolder,
        QWidget* parent = nullptr);

public slots:
    void btnBrowseClick();
    /// A file that cannot be written raises an error and the dialog stays open.
    void btnOkClick();
    void btnCancelClick();

private:
    const UrlList& m_list;
    MessageDialog& m_messages;
    std::string m_programFolder;
    QString m_lastChoice;
    ListFormatRadios* m_formats = nullptr;
    QLineEdit* edtFile = nullptr;
};

} // namespace lumivane
