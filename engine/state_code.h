#pragma once

#include <cstdint>

namespace ranquill {

// The engine's state code. The numeric values are part of the program's
// behaviour (they are what the engine rests in between button presses), so
// they are fixed here rather than left to the compiler.
enum class StateCode : std::int32_t {
    Unattached = 0,  // before the working window exists
    AwaitSetup = 10,
    AwaitCount = 20,
    NextOption = 30,  // transient: decide whether another name is needed
    AwaitOptionName = 40,
    ReadyToCompare = 50,
    AwaitPreference = 60,
    StrengthPrompt = 70,  // transient: ask for the strength
    AwaitStrength = 80,
    Finished = 90,
};

// True for the states the engine may rest in between two button presses.
constexpr bool IsRestingState(StateCode state) {
    switch (state) {
        case StateCode::AwaitSetup:
        case StateCode::AwaitCount:
        case StateCode::AwaitOptionName:
        case StateCode::ReadyToCompare:
        case StateCode::AwaitPreference:
        case StateCode::AwaitStrength:
        case StateCode::Finished:
            return true;
        default:
            return false;
    }
}

}  // namespace ranquill
