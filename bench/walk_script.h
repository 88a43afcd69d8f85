#pragma once

#include <string>

#include "latency_record.h"

namespace ranquill {
class DecisionEngine;
}

// The buttons of the working window that a decision uses.
enum class WalkButton { Enter, ManualSet, Process, Option1, Option2, BettermentA, BettermentC };

// Something a decision can be driven through: the real working window, or a
// bare stand-in that calls the engine directly.
class WalkControls {
  public:
    virtual ~WalkControls() = default;
    virtual void Type(const std::string& text) = 0;
    // Presses the button and lets the window handle everything it queued
    // (layout, painting) before returning, as between two real clicks.
    virtual void Press(WalkButton button) = 0;
};

struct WalkTimes {
    LatencyRecord setup;  // Manual Set, the count, the names, Process
    LatencyRecord walk;   // every press from the first pair to the ranked list
};

// The largest decision the engine holds, set up by hand and judged pair by
// pair, half of the pairs through the entry box and half through the
// Option and Betterment buttons. Times every press.
WalkTimes RunFullWalk(WalkControls& controls, const ranquill::DecisionEngine& engine);
