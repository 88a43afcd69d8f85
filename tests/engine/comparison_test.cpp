#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_console.h"

namespace ranquill {
namespace {

using Lines = std::vector<std::string>;
using testing::MemoryConsole;

void SetUpOptions(MemoryConsole& console, const std::vector<std::string>& names) {
    console.engine.AdvanceSetup();
    console.Enter(std::to_string(names.size()));
    for (const std::string& name : names) console.Enter(name);
    console.TakeLines();
}

Lines PairPrompt(int first, int second, const std::string& a, const std::string& b) {
    return {
        "*** Options2 compared are " + std::to_string(first) + " and " + std::to_string(second),
        "Which is Better, enter (1) or (2) ",
        "    (1): " + a,
        "    (2): " + b,
        "Enter 1 or 2 in the entry box and click Enter",
    };
}

const Lines kStrengthPrompt = {
    " ",
    "By How Much (1) Low (2) Medium or (3) High Difference",
    "Enter 1, 2, or 3 in the entry box and click enter",
};

Lines Join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(Comparison, TwoOptionWalkEndsWithTheRankedList) {
    MemoryConsole console;
    SetUpOptions(console, {"A", "B"});
    console.engine.AdvanceComparison();
    console.Enter("1");
    console.Enter("3");

    const Lines expected = Join({
        {" "},
        PairPrompt(1, 2, "A", "B"),
        kStrengthPrompt,
        {"*** value entered is 3", "Opt 1,2 is 1:3", " ", " Comparision Complete 2",
         " Preparing Results", "1:A->       3", "2:B->       0"},
    });
    EXPECT_EQ(console.transcript.lines, expected);
    EXPECT_EQ(console.engine.EngineState, StateCode::Finished);
}

TEST(Comparison, ThreeOptionWalkVisitsEveryPairInOrderAndRanks) {
    MemoryConsole console;
    SetUpOptions(console, {"A", "B", "C"});
    console.engine.AdvanceComparison();
    console.Enter("1");  // A beats B
    console.Enter("3");
    console.Enter("1");  // A beats C
    console.Enter("2");
    console.Enter("2");  // C beats B
    console.Enter("1");

    const Lines expected = Join({
        {" "},
        PairPrompt(1, 2, "A", "B"),
        kStrengthPrompt,
        {"*** value entered is 3", "Opt 1,2 is 1:3", " "},
        PairPrompt(1, 3, "A", "C"),
        kStrengthPrompt,
        {"*** value entered is 2", "Opt 1,2 is 1:4", " "},
        PairPrompt(2, 3, "B", "C"),
        kStrengthPrompt,
        {"*** value entered is 1", "Opt 1,2 is 2:4", " ", " Comparision Complete 2",
         " Preparing Results", "1:A->       5", "2:C->       1", "3:B->       0"},
    });
    EXPECT_EQ(console.transcript.lines, expected);
}

TEST(Comparison, ProcessAfterTheWalkOnlyReportsCompletion) {
    MemoryConsole console;
    SetUpOptions(console, {"A", "B"});
    console.engine.AdvanceComparison();
    console.Enter("2");
    console.Enter("1");
    console.TakeLines();

    console.engine.AdvanceComparison();
    EXPECT_EQ(console.TakeLines(),
              (Lines{"*** Processing is Complete", "*** Printing sorted list "}));
    EXPECT_EQ(console.engine.EngineState, StateCode::Finished);
}

TEST(Comparison, PreferenceOtherThanOneChoosesTheSecondOption) {
    struct Case {
        const char* text;
        int chosen;
    };
    for (const Case& c :
         {Case{"1", 1}, Case{"01", 1}, Case{" 1", 1}, Case{"1abc", 1}, Case{"1 ", 1}, Case{"2", 2},
          Case{"0", 2}, Case{"3", 2}, Case{"", 2}, Case{"first", 2}}) {
        MemoryConsole console;
        SetUpOptions(console, {"A", "B"});
        console.engine.AdvanceComparison();
        console.Enter(c.text);
        EXPECT_EQ(console.engine.ChosenIndex, c.chosen) << '"' << c.text << '"';
        EXPECT_EQ(console.engine.EngineState, StateCode::AwaitStrength);
    }
}

TEST(Comparison, AnyStrengthIsAddedUnchangedAndPointsSaturate) {
    MemoryConsole console;
    SetUpOptions(console, {"A", "B", "C"});
    console.engine.AdvanceComparison();
    console.Enter("2");
    console.Enter("2147483647");
    console.Enter("1");
    console.Enter("-2");
    console.Enter("1");
    console.Enter("7");

    const Lines& lines = console.transcript.lines;
    const Lines ranked(lines.end() - 3, lines.end());
    EXPECT_EQ(ranked, (Lines{"1:B->2147483647", "2:C->       0", "3:A->      -2"}));
}

TEST(Comparison, FewerThanTwoOptionsNeverStartTheWalk) {
    for (const char* count : {"0", "1"}) {
        MemoryConsole console;
        SetUpOptions(console, std::vector<std::string>(std::stoul(count), "only"));
        console.engine.AdvanceComparison();
        console.engine.AdvanceComparison();
        EXPECT_EQ(console.TakeLines(), (Lines{" ", " "})) << count;
        EXPECT_EQ(console.engine.EngineState, StateCode::ReadyToCompare);
    }
}

TEST(Comparison, ShortcutButtonsAnswerInPlaceOfTypedEntries) {
    MemoryConsole console;
    SetUpOptions(console, {"A", "B", "C"});
    console.engine.AdvanceComparison();
    console.TakeLines();

    console.engine.PickOption(2);
    EXPECT_EQ(console.TakeLines(), Join({{"*** Betterment index (2) Selection"}, kStrengthPrompt}));
    console.entry.text = "left over";
    console.engine.ApplyBetterment(3);
    EXPECT_EQ(console.TakeLines(),
              Join({{"*** Improvement Index (C) Selected", "Opt 1,2 is 1:3", " "},
                    PairPrompt(1, 3, "A", "C")}));
    EXPECT_TRUE(console.entry.text.empty());

    console.engine.PickOption(1);
    console.engine.ApplyBetterment(1);
    console.engine.PickOption(1);
    console.engine.ApplyBetterment(2);
    EXPECT_EQ(console.engine.EngineState, StateCode::Finished);
    EXPECT_EQ(console.engine.OptionScores[1], 5);  // B: 3 + 2
    EXPECT_EQ(console.engine.OptionNames[1], "B");

    const std::size_t written = console.transcript.lines.size();
    console.engine.ApplyBetterment(1);
    EXPECT_EQ(console.transcript.lines.size(), written) << "Betterment does nothing when finished";
}

TEST(Comparison, BettermentDuringNameEntryAsksAboutThePairOneAndOne) {
    MemoryConsole console;
    console.engine.AdvanceSetup();
    console.Enter("3");
    console.TakeLines();
    console.engine.ApplyBetterment(1);
    EXPECT_EQ(console.TakeLines(),
              Join({{"*** Improvement Index (A) selected", "Opt 1,2 is 1:1", " "},
                    PairPrompt(1, 1, "", "")}));
    EXPECT_EQ(console.engine.EngineState, StateCode::AwaitPreference);
}

// Credits to positions outside the tables are dropped; everything written
// stays as it would be.
TEST(Comparison, CreditsOutsideTheTablesAreNotApplied) {
    MemoryConsole console;
    console.engine.ApplyBetterment(3);  // ChosenIndex is still 0
    EXPECT_EQ(console.TakeLines(),
              (Lines{"*** Improvement Index (C) Selected", "Opt 1,2 is 1:1", " "}));

    console.engine.SecondIndex = DecisionEngine::MaxOptions + 1;
    console.engine.PickOption(2);
    console.Enter("5");
    for (int k = 1; k <= DecisionEngine::MaxOptions; ++k) {
        ASSERT_EQ(console.engine.OptionScores[k], 0) << k;
    }
    EXPECT_EQ(console.engine.OptionNames[0], "");
    EXPECT_EQ(console.engine.OptionNames[DecisionEngine::MaxOptions + 1], "");
}

TEST(Comparison, AfterTheWalkOptionTwoCreditsTheEntryJustAfterTheLastOption) {
    MemoryConsole console;
    SetUpOptions(console, {"A", "B"});
    console.engine.AdvanceComparison();
    console.Enter("1");
    console.Enter("1");
    ASSERT_EQ(console.engine.SecondIndex, 3);

    console.engine.PickOption(2);
    console.Enter("4");
    EXPECT_EQ(console.engine.OptionScores[3], 4);
    EXPECT_EQ(console.engine.EngineState, StateCode::ReadyToCompare);
    console.TakeLines();
    console.engine.AdvanceComparison();
    EXPECT_EQ(console.TakeLines(), Lines{" "});
}

}  // namespace
}  // namespace ranquill
