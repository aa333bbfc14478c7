#pragma once

#include "platform/ProcessStarter.h"

#include <string>
#include <vector>

namespace lumivane::test {

/// Records what would have been started.
class FakeProcessStarter : public ProcessStarter {
public:
    struct Started {
        std::string program;
        std::string parameters;
    };

    bool open(const std::string& program, const std::string& parameters) override
    {
        started.push_back({program, parameters});
        return true;
    }

    std::vector<Started> started;
};

} // namespace lumivane::test
