#include <cstdio>

#include "decision_engine.h"

namespace ranquill {
namespace {

// The points column: right-aligned in 8 characters, longer numbers whole.
std::string PointsColumn(std::int32_t points) {
    char field[16];
    const int length = std::snprintf(field, sizeof field, "%8d", static_cast<int>(points));
    return std::string(field, static_cast<std::size_t>(length));
}

}  // namespace

void DecisionEngine::RankResults() {
    // An exchange sort over positions, descending. It is not stable, and the
    // order it leaves equal points in is part of the result users see.
    for (std::int32_t i = 1; i <= OptionCount; ++i) {
        for (std::int32_t c = i + 1; c <= OptionCount; ++c) {
            if (OptionScores[c] > OptionScores[i]) {
                OptionScores.Exchange(i, c);
                OptionNames.Exchange(i, c);
            }
        }
    }
    for (std::int32_t k = 1; k <= OptionCount; ++k) {
        WriteLine(std::to_string(k) + ":" + OptionNames[k] + "->" + PointsColumn(OptionScores[k]));
    }
}

}  // namespace ranquill
