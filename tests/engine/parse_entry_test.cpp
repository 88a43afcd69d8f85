#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "decision_engine.h"

namespace ranquill {
namespace {

struct ParseCase {
    std::string text;
    std::int32_t value;
    bool complete;
};

void PrintTo(const ParseCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class ParseEntryTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseEntryTest, GivesTheValueAndWhetherTheWholeTextWasANumber) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(DecisionEngine::ParseEntry(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(ParseInteger(c.text).complete, c.complete) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParseEntryTest,
    ::testing::Values(
        // Decimal, signs, leading spaces.
        ParseCase{"3", 3, true}, ParseCase{" 2", 2, true}, ParseCase{"2 ", 2, false},
        ParseCase{"01", 1, true}, ParseCase{"1.9", 1, false}, ParseCase{"-4", -4, true},
        ParseCase{"+7", 7, true}, ParseCase{"12abc", 12, false}, ParseCase{"-12a", 12, false},
        ParseCase{"abc", 0, false}, ParseCase{"", 0, false}, ParseCase{"   ", 0, false},
        ParseCase{"\t5", 0, false}, ParseCase{"-", 0, false}, ParseCase{"- 5", 0, false},
        // Hexadecimal prefixes; no sign applies to them.
        ParseCase{"$1F", 31, true}, ParseCase{"x1f", 31, true}, ParseCase{"X1F", 31, true},
        ParseCase{"0x1F", 31, true}, ParseCase{"0X1f", 31, true}, ParseCase{"  $A", 10, true},
        ParseCase{"-$1F", 0, false}, ParseCase{"+x1", 0, false}, ParseCase{"$", 0, false},
        ParseCase{"0x", 0, false}, ParseCase{"$1G", 1, false}, ParseCase{"0", 0, true},
        // Bounds and beyond them.
        ParseCase{"2147483647", 2147483647, true}, ParseCase{"-2147483648", INT32_MIN, true},
        ParseCase{"2147483648", 214748364, false}, ParseCase{"-2147483649", 214748364, false},
        ParseCase{"99999999999999999999", 999999999, false},
        ParseCase{"-2147483648x", INT32_MAX, false}, ParseCase{"$7FFFFFFF", INT32_MAX, true},
        ParseCase{"$80000000", INT32_MIN, true}, ParseCase{"$FFFFFFFF", -1, true},
        ParseCase{"$123456789", 0x12345678, false}, ParseCase{"$000000001", 0, false}));

}  // namespace
}  // namespace ranquill
