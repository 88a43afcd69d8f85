#include "decision_engine.h"

#include <cstdint>

#include "saturating.h"

namespace ranquill {

void DecisionEngine::AdvanceComparison() {
    switch (EngineState) {
        case StateCode::ReadyToCompare:
            WriteLine(" ");
            // FirstIndex > OptionCount - 1, without the overflow at the lowest count.
            if (FirstIndex >= OptionCount) return;
            if (SecondIndex > OptionCount) {
                FirstIndex = SaturatingAdd(FirstIndex, 1);
                SecondIndex = SaturatingAdd(FirstIndex, 1);
            }
            if (SecondIndex > OptionCount) {
                WriteLine(" Comparision Complete 2");
                WriteLine(" Preparing Results");
                EngineState = StateCode::Finished;
                RankResults();
                return;
            }
            AskAboutPair();
            break;
        case StateCode::StrengthPrompt:
            AskForStrength();
            EngineState = StateCode::AwaitStrength;
            break;
        case StateCode::Finished:
            WriteLine("*** Processing is Complete");
            WriteLine("*** Printing sorted list ");
            break;
        default:
            break;
    }
}

void DecisionEngine::AskAboutPair() {
    WriteLine("*** Options2 compared are " + std::to_string(FirstIndex) + " and " +
              std::to_string(SecondIndex));
    WriteLine("Which is Better, enter (1) or (2) ");
    WriteLine("    (1): " + OptionNames[FirstIndex]);
    WriteLine("    (2): " + OptionNames[SecondIndex]);
    WriteLine("Enter 1 or 2 in the entry box and click Enter");
    EngineState = StateCode::AwaitPreference;
}

void DecisionEngine::AskForStrength() {
    WriteLine(" ");
    WriteLine("By How Much (1) Low (2) Medium or (3) High Difference");
    WriteLine("Enter 1, 2, or 3 in the entry box and click enter");
}

void DecisionEngine::SubmitPreference() {
    ChosenIndex = ParseEntry(ReadEntry()) == 1 ? FirstIndex : SecondIndex;
    ClearEntry();
    EngineState = StateCode::StrengthPrompt;
    AdvanceComparison();
}

void DecisionEngine::SubmitStrength() {
    const std::string text = ReadEntry();
    WriteLine("*** value entered is " + text);
    CreditAndAdvance(ParseEntry(text));
}

void DecisionEngine::PickOption(std::int32_t which) {
    const bool first = which == 1;
    ChosenIndex = first ? FirstIndex : SecondIndex;
    WriteLine(first ? "*** Betterment index (1) Selection" : "*** Betterment index (2) Selection");
    ClearEntry();
    EngineState = StateCode::AwaitStrength;
    AskForStrength();
}

void DecisionEngine::ApplyBetterment(std::int32_t points) {
    if (EngineState == StateCode::Finished) return;
    switch (points) {
        case 1:
            WriteLine("*** Improvement Index (A) selected");
            break;
        case 2:
            WriteLine("*** Improvement Index (B) selected");
            break;
        default:
            WriteLine("*** Improvement Index (C) Selected");
            break;
    }
    CreditAndAdvance(points);
}

}  // namespace ranquill
