#pragma once

#include <stdexcept>
#include <string>

namespace lumivane {

/// An error the program raises on purpose; what() is the text shown to the user.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message)
        : std::runtime_error(message)
    {
    }
};

} // namespace lumivane
