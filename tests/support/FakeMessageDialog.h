#pragma once

#include "platform/MessageDialog.h"

#include <deque>
#include <string>
#include <vector>

namespace lumivane::test {

/// Records every message and answers with queued results (OK when none is queued).
class FakeMessageDialog : public MessageDialog {
public:
    struct Shown {
        std::string text;
        MessageKind kind;
        MessageButtons buttons;
    };

    MessageResult show(const std::string& text, MessageKind kind, MessageButtons buttons) override
    {
        shown.push_back({text, kind, buttons});
        if (answers.empty())
            return MessageResult::Ok;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> result;
        for (const auto& s : shown)
            result.push_back(s.text);
        return result;
    }

    std::vector<Shown> shown;
    std::deque<MessageResult> answers;
};

} // namespace lumivane::test
