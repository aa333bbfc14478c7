#pragma once

#include <string>

namespace lumivane {

enum class MessageKind { Warning, Information };
enum class MessageButtons { Ok, OkCancel };
enum class MessageResult { Ok, Cancel };

/// The main window's modal message box, behind an interface so core code and
/// tests can answer it.
class MessageDialog {
public:
    virtual ~MessageDialog() = default;
    virtual MessageResult show(const std::string& text, MessageKind kind, MessageButtons buttons)
        = 0;

    void inform(const std::string& text)
    {
        show(text, MessageKind::Information, MessageButtons::Ok);
    }
    void warn(const std::string& text) { show(text, MessageKind::Warning, MessageButtons::Ok); }
};

} // namespace lumivane
