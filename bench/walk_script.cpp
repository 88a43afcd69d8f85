#include "walk_script.h"

#include <chrono>

#include "decision_engine.h"

namespace {

void TimedPress(WalkControls& controls, WalkButton button, LatencyRecord& record) {
    const auto start = std::chrono::steady_clock::now();
    controls.Press(button);
    record.Add(std::chrono::steady_clock::now() - start);
}

}  // namespace

WalkTimes RunFullWalk(WalkControls& controls, const ranquill::DecisionEngine& engine) {
    using ranquill::DecisionEngine;
    using ranquill::StateCode;
    WalkTimes times;

    TimedPress(controls, WalkButton::ManualSet, times.setup);
    controls.Type(std::to_string(DecisionEngine::MaxOptions));
    TimedPress(controls, WalkButton::Enter, times.setup);
    for (int k = 1; k <= DecisionEngine::MaxOptions; ++k) {
        controls.Type("Option number " + std::to_string(k));
        TimedPress(controls, WalkButton::Enter, times.setup);
    }
    TimedPress(controls, WalkButton::Process, times.setup);

    long pair = 0;
    while (engine.EngineState == StateCode::AwaitPreference) {
        const bool firstIsBetter = pair % 3 != 0;
        if (pair % 2 == 0) {
            controls.Type(firstIsBetter ? "1" : "2");
            TimedPress(controls, WalkButton::Enter, times.walk);
            controls.Type(firstIsBetter ? "3" : "1");
            TimedPress(controls, WalkButton::Enter, times.walk);
        } else {
            TimedPress(controls, firstIsBetter ? WalkButton::Option1 : WalkButton::Option2,
                       times.walk);
            TimedPress(controls, firstIsBetter ? WalkButton::BettermentC : WalkButton::BettermentA,
                       times.walk);
        }
        ++pair;
    }
    return times;
}
