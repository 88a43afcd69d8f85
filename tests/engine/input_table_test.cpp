#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "memory_console.h"
#include "scratch_directory.h"

namespace ranquill {
namespace {

using testing::MemoryConsole;

// Drives a console with three options A, B, C into one of the resting states.
void DriveTo(MemoryConsole& console, StateCode state) {
    DecisionEngine& engine = console.engine;
    auto advanceUntil = [&](StateCode target, const std::function<void()>& step) {
        while (engine.EngineState != target) step();
    };
    if (state == StateCode::AwaitSetup) return;
    engine.AdvanceSetup();
    if (state == StateCode::AwaitCount) return;
    console.Enter("3");
    if (state == StateCode::AwaitOptionName) return;
    for (const char* name : {"A", "B", "C"}) console.Enter(name);
    if (state == StateCode::ReadyToCompare) return;
    engine.AdvanceComparison();
    if (state == StateCode::AwaitPreference) return;
    console.Enter("1");
    if (state == StateCode::AwaitStrength) return;
    advanceUntil(StateCode::Finished, [&] { console.Enter("1"); });
}

enum class Input {
    ManualSet,
    Enter,
    Process,
    Option1,
    Option2,
    BettermentA,
    BettermentB,
    BettermentC,
    AutoSet
};

void Press(DecisionEngine& engine, Input input) {
    switch (input) {
        case Input::ManualSet:
            return engine.AdvanceSetup();
        case Input::Enter:
            return engine.SubmitEntry();
        case Input::Process:
            return engine.AdvanceComparison();
        case Input::Option1:
            return engine.PickOption(1);
        case Input::Option2:
            return engine.PickOption(2);
        case Input::BettermentA:
            return engine.ApplyBetterment(1);
        case Input::BettermentB:
            return engine.ApplyBetterment(2);
        case Input::BettermentC:
            return engine.ApplyBetterment(3);
        case Input::AutoSet: {
            const testing::ScratchDirectory directory;
            directory.WriteFile("dpin.txt", "2\nX\nY\n");
            return engine.LoadOptionFile();
        }
    }
}

struct InputCase {
    Input input;
    StateCode from;
    StateCode to;
    bool writes;  // whether any line is written
};

std::string Name(const ::testing::TestParamInfo<InputCase>& info) {
    static const char* const inputs[] = {"ManualSet",   "Enter",       "Process",
                                         "Option1",     "Option2",     "BettermentA",
                                         "BettermentB", "BettermentC", "AutoSet"};
    return std::string(inputs[static_cast<int>(info.param.input)]) + "In" +
           std::to_string(static_cast<int>(info.param.from)) + "_" + std::to_string(info.index);
}

class InputTableTest : public ::testing::TestWithParam<InputCase> {};

// Every press starts with "1" in the entry box. A press that acts clears it;
// one that does nothing leaves it, and writes nothing.
TEST_P(InputTableTest, PressLeadsToStateAndActsOrDoesNothing) {
    const InputCase& c = GetParam();
    MemoryConsole console;
    DriveTo(console, c.from);
    ASSERT_EQ(console.engine.EngineState, c.from);
    console.TakeLines();
    console.entry.text = "1";

    Press(console.engine, c.input);

    EXPECT_EQ(console.engine.EngineState, c.to);
    EXPECT_EQ(!console.TakeLines().empty(), c.writes);
    if (!c.writes) {
        EXPECT_EQ(console.entry.text, "1");
    }
}

constexpr StateCode S10 = StateCode::AwaitSetup, S20 = StateCode::AwaitCount,
                    S40 = StateCode::AwaitOptionName, S50 = StateCode::ReadyToCompare,
                    S60 = StateCode::AwaitPreference, S80 = StateCode::AwaitStrength,
                    S90 = StateCode::Finished;

// The options are A, B, C; fresh engines have no options yet, so a
// Betterment press there finds no pair to show and rests in 50.
INSTANTIATE_TEST_SUITE_P(
    EveryInputInEveryRestingState, InputTableTest,
    ::testing::Values(
        InputCase{Input::ManualSet, S10, S20, true}, InputCase{Input::ManualSet, S20, S20, false},
        InputCase{Input::ManualSet, S40, S40, false}, InputCase{Input::ManualSet, S50, S50, true},
        InputCase{Input::ManualSet, S60, S60, false}, InputCase{Input::ManualSet, S80, S80, false},
        InputCase{Input::ManualSet, S90, S90, false},

        InputCase{Input::Enter, S10, S10, false}, InputCase{Input::Enter, S20, S40, true},
        InputCase{Input::Enter, S40, S40, true}, InputCase{Input::Enter, S50, S50, false},
        InputCase{Input::Enter, S60, S80, true}, InputCase{Input::Enter, S80, S60, true},
        InputCase{Input::Enter, S90, S90, false},

        InputCase{Input::Process, S10, S10, false}, InputCase{Input::Process, S20, S20, false},
        InputCase{Input::Process, S40, S40, false}, InputCase{Input::Process, S50, S60, true},
        InputCase{Input::Process, S60, S60, false}, InputCase{Input::Process, S80, S80, false},
        InputCase{Input::Process, S90, S90, true},

        InputCase{Input::Option1, S10, S80, true}, InputCase{Input::Option1, S20, S80, true},
        InputCase{Input::Option1, S40, S80, true}, InputCase{Input::Option1, S50, S80, true},
        InputCase{Input::Option1, S60, S80, true}, InputCase{Input::Option1, S80, S80, true},
        InputCase{Input::Option1, S90, S80, true},

        InputCase{Input::Option2, S10, S80, true}, InputCase{Input::Option2, S20, S80, true},
        InputCase{Input::Option2, S40, S80, true}, InputCase{Input::Option2, S50, S80, true},
        InputCase{Input::Option2, S60, S80, true}, InputCase{Input::Option2, S80, S80, true},
        InputCase{Input::Option2, S90, S80, true},

        InputCase{Input::BettermentA, S10, S50, true},
        InputCase{Input::BettermentA, S20, S50, true},
        InputCase{Input::BettermentA, S40, S60, true},
        InputCase{Input::BettermentA, S50, S60, true},
        InputCase{Input::BettermentA, S60, S60, true},
        InputCase{Input::BettermentA, S80, S60, true},
        InputCase{Input::BettermentA, S90, S90, false},

        InputCase{Input::BettermentB, S10, S50, true},
        InputCase{Input::BettermentB, S40, S60, true},
        InputCase{Input::BettermentB, S80, S60, true},
        InputCase{Input::BettermentB, S90, S90, false},

        InputCase{Input::BettermentC, S20, S50, true},
        InputCase{Input::BettermentC, S60, S60, true},
        InputCase{Input::BettermentC, S90, S90, false},

        InputCase{Input::AutoSet, S10, S50, true}, InputCase{Input::AutoSet, S20, S50, true},
        InputCase{Input::AutoSet, S40, S50, true}, InputCase{Input::AutoSet, S50, S50, true},
        InputCase{Input::AutoSet, S60, S50, true}, InputCase{Input::AutoSet, S80, S50, true},
        InputCase{Input::AutoSet, S90, S50, true}),
    Name);

}  // namespace
}  // namespace ranquill
