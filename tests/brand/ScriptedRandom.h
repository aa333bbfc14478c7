#pragma once

#include "brand/BrandChoices.h"

#include <deque>
#include <utility>
#include <vector>

namespace lumivane::test {

/// A random source that answers the draws in order (0 once the answers run out) and
/// records the list sizes it was asked to draw from.
struct ScriptedRandom {
    explicit ScriptedRandom(std::deque<std::size_t> scripted = {})
        : answers(std::move(scripted))
    {
    }

    std::deque<std::size_t> answers;
    std::vector<std::size_t> counts;

    RandomIndex source()
    {
        return [this](std::size_t count) {
            counts.push_back(count);
            if (answers.empty())
                return std::size_t {0};
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
};

} // namespace lumivane::test
