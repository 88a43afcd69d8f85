// A full walk over the largest decision the engine holds, answered through
// the entry box with an in-memory transcript: total time, time per answer and
// peak memory.
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "decision_engine.h"
#include "peak_memory.h"

namespace {

// Counts lines and their bytes, the way a real transcript would receive them.
class CountingTranscript : public ranquill::TranscriptSink {
  public:
    void AppendLine(std::string_view line) override {
        ++lines;
        bytes += line.size();
    }
    long lines = 0;
    long bytes = 0;
};

class Entry : public ranquill::EntrySource {
  public:
    std::string Text() const override { return text; }
    void Clear() override { text.clear(); }
    std::string text;
};

}  // namespace

int main() {
    using ranquill::DecisionEngine;
    using ranquill::StateCode;
    using Clock = std::chrono::steady_clock;

    DecisionEngine engine;
    CountingTranscript transcript;
    Entry entry;
    engine.AttachTranscript(&transcript);
    engine.AttachEntry(&entry);
    engine.EngineState = StateCode::AwaitSetup;

    const long memoryBefore = PeakMemoryKiB();
    const auto setupStart = Clock::now();
    engine.AdvanceSetup();
    entry.text = "256";
    engine.SubmitEntry();
    for (int k = 1; k <= DecisionEngine::MaxOptions; ++k) {
        entry.text = "Option number " + std::to_string(k);
        engine.SubmitEntry();
    }
    engine.AdvanceComparison();

    long answers = 0;
    const auto walkStart = Clock::now();
    while (engine.EngineState != StateCode::Finished) {
        entry.text = engine.EngineState == StateCode::AwaitPreference ? "2" : "3";
        engine.SubmitEntry();
        ++answers;
    }
    const auto walkEnd = Clock::now();

    const double walkMs = std::chrono::duration<double, std::milli>(walkEnd - walkStart).count();
    const double totalMs = std::chrono::duration<double, std::milli>(walkEnd - setupStart).count();
    std::printf("options                 %d\n", engine.OptionCount);
    std::printf("pairs judged            %ld\n", answers / 2);
    std::printf("answers (Enter presses) %ld\n", answers);
    std::printf("transcript lines        %ld (%ld bytes)\n", transcript.lines, transcript.bytes);
    std::printf("total time              %.2f ms (walk %.2f ms)\n", totalMs, walkMs);
    std::printf("time per answer         %.1f ns\n", walkMs * 1e6 / static_cast<double>(answers));
    std::printf("peak memory             %ld KiB (%ld KiB before the walk)\n", PeakMemoryKiB(),
                memoryBefore);
    return 0;
}
