#include "memory_console.h"

#include <utility>

namespace ranquill::testing {

MemoryConsole::MemoryConsole() {
    engine.AttachTranscript(&transcript);
    engine.AttachEntry(&entry);
    engine.EngineState = StateCode::AwaitSetup;
}

void MemoryConsole::Enter(std::string_view text) {
    entry.text = text;
    engine.SubmitEntry();
}

std::vector<std::string> MemoryConsole::TakeLines() { return std::exchange(transcript.lines, {}); }

}  // namespace ranquill::testing
