#pragma once

#include "urllist/RowIdentifiers.h"

#include <QDialog>

#include <string>

class QLineEdit;
class QPlainTextEdit;

namespace lumivane {

class ListFormatRadios;
class StatusPanels;
class UrlList;

/// The import dialog: replaces the list with the lines of a file or of the
/// text box. It is left only through its two load buttons.
class TfrmList : public QDialog {
    Q_OBJECT
public:
    TfrmList(UrlList& list, LinkTypeSource linkType, StatusPanels& panels,
        std::string programFolder, QWidget* parent = nullptr);

public slots:
    void btnBrowseClick();
    void btnLoadFileClick();
    void btnLoadListClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLayout* buildFileSection();
    QLayout* buildTypedSection();

    UrlList& m_list;
    LinkTypeSource m_linkType;
    StatusPanels& m_panels;
    std::string m_programFolder;
    ListFormatRadios* m_formats = nullptr;
    QLineEdit* edtURLFile = nullptr;
    QPlainTextEdit* memList = nullptr;
};

} // namespace lumivane
