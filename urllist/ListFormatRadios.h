#pragma once

#include "urllist/UrlListFormat.h"

#include <QWidget>

class QRadioButton;

namespace lumivane {

/// The three line-layout radio buttons the import and export dialogs share;
/// "One URL per line" starts checked.
class ListFormatRadios : public QWidget {
    Q_OBJECT
public:
    explicit ListFormatRadios(QWidget* parent = nullptr);

    /// The layout of the first checked button.
    ListFormat format() const;

private:
    QRadioButton* rbtFormat1;
    QRadioButton* rbtFormat2;
    QRadioButton* rbtFormat3;
};

} // namespace lumivane
