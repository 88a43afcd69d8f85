#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_console.h"

namespace ranquill {
namespace {

using Lines = std::vector<std::string>;

struct RankingCase {
    std::vector<std::int32_t> points;  // for the options A, B, C, ... in entry order
    Lines expected;
};

void PrintTo(const RankingCase& c, std::ostream* out) {
    *out << "points";
    for (std::int32_t points : c.points) *out << ' ' << points;
}

class RankingTest : public ::testing::TestWithParam<RankingCase> {};

TEST_P(RankingTest, ExchangeSortGivesThisOrder) {
    const RankingCase& c = GetParam();
    testing::MemoryConsole console;
    DecisionEngine& engine = console.engine;
    engine.OptionCount = static_cast<std::int32_t>(c.points.size());
    for (std::int32_t k = 1; k <= engine.OptionCount; ++k) {
        engine.OptionNames.Set(k, std::string(1, static_cast<char>('A' + k - 1)));
        engine.OptionScores.Set(k, c.points[static_cast<std::size_t>(k - 1)]);
    }
    engine.RankResults();
    EXPECT_EQ(console.transcript.lines, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RankingTest,
    ::testing::Values(
        RankingCase{{2, 5, 3}, {"1:B->       5", "2:C->       3", "3:A->       2"}},
        // Equal points are never exchanged directly; the sort is not stable.
        RankingCase{{1, 1, 2}, {"1:C->       2", "2:B->       1", "3:A->       1"}},
        RankingCase{{0, 1, 0}, {"1:B->       1", "2:A->       0", "3:C->       0"}},
        RankingCase{{4, 4, 4, 4},
                    {"1:A->       4", "2:B->       4", "3:C->       4", "4:D->       4"}},
        RankingCase{{-3, 0, -12345678}, {"1:B->       0", "2:A->      -3", "3:C->-12345678"}},
        RankingCase{{7}, {"1:A->       7"}}, RankingCase{{}, {}}));

TEST(Ranking, NamesTravelWithTheirPoints) {
    testing::MemoryConsole console;
    DecisionEngine& engine = console.engine;
    engine.OptionCount = 3;
    for (std::int32_t k = 1; k <= 3; ++k) {
        engine.OptionNames.Set(k, "option " + std::to_string(k));
        engine.OptionScores.Set(k, k);
    }
    engine.RankResults();
    EXPECT_EQ(engine.OptionNames[1], "option 3");
    EXPECT_EQ(engine.OptionScores[1], 3);
    EXPECT_EQ(engine.OptionNames[3], "option 1");
    EXPECT_EQ(engine.OptionScores[3], 1);
}

}  // namespace
}  // namespace ranquill
