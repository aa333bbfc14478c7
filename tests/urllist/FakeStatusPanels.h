#pragma once

#include "urllist/StatusPanels.h"

#include <string>

namespace lumivane::test {

class FakeStatusPanels : public StatusPanels {
public:
    void setTotalText(const std::string& text) override
    {
        total = text;
        ++totalWrites;
    }
    void setDoneText(const std::string& text) override { done = text; }
    void setSuccessText(const std::string& text) override { success = text; }
    void setErrorText(const std::string& text) override { error = text; }

    std::string total = "Total: 0";
    std::string done;
    std::string success;
    std::string error;
    int totalWrites = 0;
};

} // namespace lumivane::test
