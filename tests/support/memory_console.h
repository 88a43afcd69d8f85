#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "decision_engine.h"

namespace ranquill::testing {

// A transcript that keeps its lines in memory.
class MemoryTranscript : public TranscriptSink {
  public:
    void AppendLine(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

// An entry box that holds a string.
class MemoryEntry : public EntrySource {
  public:
    std::string Text() const override { return text; }
    void Clear() override { text.clear(); }
    std::string text;
};

// An engine wired to an in-memory transcript and entry box and put into its
// first state, as the working window does when it opens.
struct MemoryConsole {
    MemoryConsole();
    MemoryConsole(const MemoryConsole&) = delete;
    MemoryConsole& operator=(const MemoryConsole&) = delete;

    // Types `text` into the entry box and presses Enter.
    void Enter(std::string_view text);
    // Lines written since the last call.
    std::vector<std::string> TakeLines();

    DecisionEngine engine;
    MemoryTranscript transcript;
    MemoryEntry entry;
};

}  // namespace ranquill::testing
