#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_console.h"

namespace ranquill {
namespace {

using Lines = std::vector<std::string>;
using testing::MemoryConsole;

TEST(ManualSetup, TwoOptionsWriteTheWholeDialogueAndRestReadyToCompare) {
    MemoryConsole console;
    console.engine.AdvanceSetup();
    console.Enter("2");
    console.Enter("Alpha");
    console.Enter("Beta");

    const Lines expected = {
        "  Enter the number of options in the data entry box and click enter",
        "  The number of options entered is 2",
        "  Enter option 1 in the entry box and click enter",
        " ",
        "Opt Name entered is \"Alpha\"",
        "  Enter option 2 in the entry box and click enter",
        " ",
        "Opt Name entered is \"Beta\"",
        "Option Entry Completed ",
        "",
        "Option: Alpha",
        "Option: Beta",
        " ",
        " ",
        "To Continue, select Process ",
        " ",
    };
    EXPECT_EQ(console.transcript.lines, expected);
    EXPECT_EQ(console.engine.EngineState, StateCode::ReadyToCompare);
    EXPECT_EQ(console.engine.OptionCount, 2);
    EXPECT_EQ(console.engine.FirstIndex, 1);
    EXPECT_EQ(console.engine.SecondIndex, 2);
    EXPECT_EQ(console.engine.OptionNames[1], "Alpha");
    EXPECT_EQ(console.engine.OptionNames[2], "Beta");
    EXPECT_TRUE(console.entry.text.empty());
}

TEST(ManualSetup, CountEchoShowsTheTextAsTypedAndNamesAreStoredUnchanged) {
    MemoryConsole console;
    console.engine.AdvanceSetup();
    console.TakeLines();
    console.Enter(" 1 option");
    console.Enter("  spaced\tname ");

    const Lines expected = {
        "  The number of options entered is  1 option",
        "  Enter option 1 in the entry box and click enter",
        " ",
        "Opt Name entered is \"  spaced\tname \"",
        "Option Entry Completed ",
        "",
        "Option:   spaced\tname ",
        " ",
        " ",
        "To Continue, select Process ",
        " ",
    };
    EXPECT_EQ(console.TakeLines(), expected);
    EXPECT_EQ(console.engine.OptionNames[1], "  spaced\tname ");
}

TEST(ManualSetup, CountOfZeroOrLessCompletesAtOnce) {
    for (const char* count : {"0", "-3", "", "none"}) {
        MemoryConsole console;
        console.engine.AdvanceSetup();
        console.TakeLines();
        console.Enter(count);
        const Lines expected = {
            "  The number of options entered is " + std::string(count),
            "Option Entry Completed ",
            "",
            " ",
            " ",
            "To Continue, select Process ",
            " ",
        };
        EXPECT_EQ(console.TakeLines(), expected) << count;
        EXPECT_EQ(console.engine.EngineState, StateCode::ReadyToCompare) << count;
    }
}

TEST(ManualSetup, CountAboveCapacityIsLimitedAndSaysSo) {
    MemoryConsole console;
    console.engine.AdvanceSetup();
    console.TakeLines();
    console.Enter("100000");
    const Lines expected = {
        "  The number of options entered is 100000",
        "  At most 256 options can be compared; the count is set to 256",
        "  Enter option 1 in the entry box and click enter",
        " ",
    };
    EXPECT_EQ(console.TakeLines(), expected);
    EXPECT_EQ(console.engine.OptionCount, 256);

    for (int k = 1; k <= 256; ++k) console.Enter("n" + std::to_string(k));
    EXPECT_EQ(console.engine.EngineState, StateCode::ReadyToCompare);
    EXPECT_EQ(console.engine.OptionNames[256], "n256");
}

TEST(ManualSetup, EmptyNameIsStoredAndEchoedBetweenQuotes) {
    MemoryConsole console;
    console.engine.AdvanceSetup();
    console.Enter("1");
    console.TakeLines();
    console.Enter("");
    EXPECT_EQ(console.TakeLines().front(), "Opt Name entered is \"\"");
    EXPECT_EQ(console.engine.OptionNames[1], "");
}

// A second working window puts the engine back to its first state without
// resetting anything else, so the next setup asks first for FirstIndex.
TEST(ManualSetup, SetupInASecondWindowStartsAtTheRememberedIndex) {
    MemoryConsole console;
    console.engine.AdvanceSetup();
    console.Enter("3");
    for (const char* name : {"A", "B", "C"}) console.Enter(name);
    console.engine.AdvanceComparison();
    while (console.engine.EngineState != StateCode::Finished) console.Enter("1");
    ASSERT_EQ(console.engine.FirstIndex, 3);

    console.engine.EngineState = StateCode::AwaitSetup;
    console.engine.AdvanceSetup();
    console.TakeLines();
    console.Enter("3");
    EXPECT_EQ(console.TakeLines()[1], "  Enter option 3 in the entry box and click enter");
    console.Enter("Z");
    EXPECT_EQ(console.engine.OptionNames[3], "Z");
    EXPECT_EQ(console.engine.OptionNames[1], "A");
}

}  // namespace
}  // namespace ranquill
