#pragma once

#include "urllist/RowIdentifiers.h"

#include <QDialog>

#include <string>

class QLineEdit;

namespace lumivane {

class StatusPanels;
class UrlList;

/// The Add URL dialog: appends the field's text as one row. Enter and Esc in
/// the field press neither button.
class TfrmAddUrl : public QDialog {
    Q_OBJECT
public:
    TfrmAddUrl(UrlList& list, LinkTypeSource linkType, StatusPanels& panels, const std::string& url,
        QWidget* parent = nullptr);

public slots:
    void btnOkClick();
    void btnCancelClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    UrlList& m_list;
    LinkTypeSource m_linkType;
    StatusPanels& m_panels;
    QLineEdit* edtURL = nullptr;
};

} // namespace lumivane
