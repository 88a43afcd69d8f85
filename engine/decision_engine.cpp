#include "decision_engine.h"

#include "saturating.h"

namespace ranquill {

void DecisionEngine::WriteLine(std::string_view text) {
    if (transcript_) transcript_->AppendLine(text);
}

std::string DecisionEngine::ReadEntry() const { return entry_ ? entry_->Text() : std::string(); }

void DecisionEngine::ClearEntry() {
    if (entry_) entry_->Clear();
}

void DecisionEngine::SubmitEntry() {
    switch (EngineState) {
        case StateCode::AwaitCount:
            SubmitCount();
            break;
        case StateCode::AwaitOptionName:
            SubmitOptionName();
            break;
        case StateCode::AwaitPreference:
            SubmitPreference();
            break;
        case StateCode::AwaitStrength:
            SubmitStrength();
            break;
        default:
            break;
    }
}

void DecisionEngine::LimitOptionCount() {
    if (OptionCount <= MaxOptions) return;
    OptionCount = MaxOptions;
    WriteLine("  At most 256 options can be compared; the count is set to 256");
}

void DecisionEngine::CreditAndAdvance(std::int32_t points) {
    if (std::int32_t* score = OptionScores.At(ChosenIndex)) *score = SaturatingAdd(*score, points);
    ClearEntry();
    SecondIndex = SaturatingAdd(SecondIndex, 1);
    EngineState = StateCode::ReadyToCompare;
    WriteLine("Opt 1,2 is " + std::to_string(FirstIndex) + ":" + std::to_string(SecondIndex));
    AdvanceComparison();
}

}  // namespace ranquill
