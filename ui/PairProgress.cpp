#include "PairProgress.h"

#include "decision_engine.h"

namespace ranquill::ui {

std::optional<PairProgress> PairProgress::Of(const DecisionEngine& engine) {
    if (engine.EngineState != StateCode::AwaitPreference &&
        engine.EngineState != StateCode::AwaitStrength) {
        return std::nullopt;
    }
    const std::int64_t count = engine.OptionCount;
    const std::int64_t first = engine.FirstIndex;
    const std::int64_t second = engine.SecondIndex;
    if (first < 1 || first >= second || second > count) return std::nullopt;

    // Rows 1 to first-1 hold count-1, count-2, ... pairs.
    const std::int64_t before = (first - 1) * count - (first - 1) * first / 2;
    return PairProgress{before + (second - first), count * (count - 1) / 2};
}

}  // namespace ranquill::ui
