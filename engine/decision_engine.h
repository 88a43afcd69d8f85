#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "entry_source.h"
#include "integer_parser.h"
#include "io_error.h"
#include "position_table.h"
#include "state_code.h"
#include "transcript_sink.h"

namespace ranquill {

// The one decision in progress: the options, their points, where the walk
// over the pairs stands, and the state code that decides what each button
// press means. Every operation runs to completion, reports through the
// attached transcript and reads the attached entry box; it returns nothing.
//
// The engine has no window of its own. The working window attaches its
// transcript and entry box after construction; until then lines written go
// nowhere and the entry reads as empty.
class DecisionEngine {
  public:
    static constexpr std::int32_t MaxOptions = 256;

    StateCode EngineState = StateCode::Unattached;
    std::int32_t OptionCount = 0;
    PositionTable<std::string, MaxOptions> OptionNames;
    PositionTable<std::int32_t, MaxOptions> OptionScores;
    // During manual setup: the option whose name is asked next.
    // During comparison: the first option of the current pair.
    std::int32_t FirstIndex = 1;
    std::int32_t SecondIndex = 0;
    // The option that the next strength value is added to.
    std::int32_t ChosenIndex = 0;

    void AttachTranscript(TranscriptSink* transcript) { transcript_ = transcript; }
    void AttachEntry(EntrySource* entry) { entry_ = entry; }

    // Manual Set, and the setup step after each accepted setup answer.
    void AdvanceSetup();
    // Enter: takes the entry box's answer in states 20, 40, 60 and 80.
    void SubmitEntry();
    // Process, and the comparison step after each judged pair.
    void AdvanceComparison();
    // Option 1 (which = 1) and Option 2 (which = 2): name the better option.
    void PickOption(std::int32_t which);
    // Betterment A, B, C (points = 1, 2, 3): credit the chosen option.
    void ApplyBetterment(std::int32_t points);
    // Auto Set: reads the options from the file dpin.txt in the current
    // directory. Throws IoError when the file cannot be opened or read; the
    // engine is then unchanged apart from lines already written.
    void LoadOptionFile();
    // Sorts the options by points, highest first, and lists them.
    void RankResults();

    void WriteLine(std::string_view text);
    std::string ReadEntry() const;
    void ClearEntry();
    static std::int32_t ParseEntry(std::string_view text) { return ParseInteger(text).value; }

  private:
    void SubmitCount();
    void SubmitOptionName();
    void SubmitPreference();
    void SubmitStrength();
    void ListOptions();
    void AskAboutPair();
    void AskForStrength();
    // The tail every judged pair shares: credit, next pair, comparison step.
    void CreditAndAdvance(std::int32_t points);
    // Limits a count to the tables' capacity, saying so in the transcript.
    void LimitOptionCount();

    TranscriptSink* transcript_ = nullptr;
    EntrySource* entry_ = nullptr;
};

}  // namespace ranquill
