#pragma once

#include <QString>

class QLayout;
class QPushButton;
class QWidget;

namespace lumivane {

/// A section caption with a horizontal rule filling the rest of the row.
QLayout* sectionHeading(const QString& caption);

/// A push button that Enter never presses: it is neither default nor auto-default.
QPushButton* plainButton(const QString& caption, const char* name, QWidget* parent);

/// The modal file chooser of the dialogs: the program's own (styled) widget, one
/// "All files" filter. Returns the chosen full path, or an empty text on cancel.
QString chooseFile(QWidget* parent, const QString& title, const QString& folder,
    const QString& fileName, bool forSaving);

} // namespace lumivane
