#pragma once

#include "platform/MessageDialog.h"

class QWidget;

namespace lumivane {

/// The modal message box every message of the program goes through.
class SkinMessageDialog : public MessageDialog {
public:
    explicit SkinMessageDialog(QWidget* parent);
    MessageResult show(const std::string& text, MessageKind kind, MessageButtons buttons) override;

private:
    QWidget* m_parent;
};

} // namespace lumivane
