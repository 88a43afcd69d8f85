#include "decision_engine.h"

#include "saturating.h"

namespace ranquill {

void DecisionEngine::AdvanceSetup() {
    switch (EngineState) {
        case StateCode::AwaitSetup:
            WriteLine("  Enter the number of options in the data entry box and click enter");
            EngineState = StateCode::AwaitCount;
            break;
        case StateCode::NextOption:
            if (FirstIndex <= OptionCount) {
                WriteLine("  Enter option " + std::to_string(FirstIndex) +
                          " in the entry box and click enter");
                WriteLine(" ");
                EngineState = StateCode::AwaitOptionName;
            } else {
                ListOptions();
            }
            break;
        case StateCode::ReadyToCompare:
            WriteLine("*** Please select Process to Continue");
            break;
        default:
            break;
    }
}

void DecisionEngine::ListOptions() {
    WriteLine("Option Entry Completed ");
    WriteLine("");
    for (std::int32_t k = 1; k <= OptionCount; ++k) WriteLine("Option: " + OptionNames[k]);
    WriteLine(" ");
    WriteLine(" ");
    WriteLine("To Continue, select Process ");
    WriteLine(" ");
    EngineState = StateCode::ReadyToCompare;
    FirstIndex = 1;
    SecondIndex = 2;
}

void DecisionEngine::SubmitCount() {
    const std::string text = ReadEntry();
    OptionCount = ParseEntry(text);
    WriteLine("  The number of options entered is " + text);
    LimitOptionCount();
    EngineState = StateCode::NextOption;
    ClearEntry();
    AdvanceSetup();
}

void DecisionEngine::SubmitOptionName() {
    std::string text = ReadEntry();
    WriteLine("Opt Name entered is \"" + text + "\"");
    OptionNames.Set(FirstIndex, std::move(text));
    ClearEntry();
    EngineState = StateCode::NextOption;
    FirstIndex = SaturatingAdd(FirstIndex, 1);
    AdvanceSetup();
}

}  // namespace ranquill
