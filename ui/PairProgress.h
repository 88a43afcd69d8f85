#pragma once

#include <cstdint>
#include <optional>

namespace ranquill {
class DecisionEngine;
}

namespace ranquill::ui {

// Which pair of the walk is being judged: number, counting from 1 in the
// order the walk visits the pairs, of total.
struct PairProgress {
    std::int64_t number = 0;
    std::int64_t total = 0;

    // The pair under way, when the engine awaits an answer about a real pair
    // of its options; none before, between and after walks, or when the
    // shortcut buttons left the indices outside the walk.
    static std::optional<PairProgress> Of(const DecisionEngine& engine);
};

}  // namespace ranquill::ui
