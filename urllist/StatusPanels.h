#pragma once

#include <string>

namespace lumivane {

/// The four text panels of the status bar: "Total:", "Done:", "Success:", "Error:".
class StatusPanels {
public:
    virtual ~StatusPanels() = default;
    virtual void setTotalText(const std::string& text) = 0;
    virtual void setDoneText(const std::string& text) = 0;
    virtual void setSuccessText(const std::string& text) = 0;
    virtual void setErrorText(const std::string& text) = 0;
};

} // namespace lumivane
