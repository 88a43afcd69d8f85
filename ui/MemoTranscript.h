#pragma once

#include <string_view>

#include "transcript_sink.h"

class QPlainTextEdit;

namespace ranquill::ui {

// Appends the engine's lines to an editable text control. Each line goes on
// a new last line, even after text the user left on the last line, and the
// view follows it. Appending touches only the end of the document, so it
// costs the same however long the transcript has grown.
//
// The user may type into the control and undo that typing, but never across
// an engine line: the undo history is dropped with every line appended, so
// Ctrl+Z cannot take away what the engine wrote.
class MemoTranscript : public TranscriptSink {
  public:
    explicit MemoTranscript(QPlainTextEdit* memo) : memo_(memo) {}

    void AppendLine(std::string_view line) override;
    // Empties the control; the next line becomes its first.
    void Clear();

  private:
    QPlainTextEdit* memo_;
    // An empty first line leaves the document empty, so whether the next
    // line needs a line break before it cannot be read from the text alone.
    bool holdsLines_ = false;
};

}  // namespace ranquill::ui
