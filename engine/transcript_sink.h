#pragma once

#include <string_view>

namespace ranquill {

// Where the engine's transcript lines go. The engine only ever appends; it
// keeps no copy of what it wrote.
class TranscriptSink {
  public:
    virtual ~TranscriptSink() = default;
    // Appends `line` (8-bit text, no line break inside) as a new last line.
    virtual void AppendLine(std::string_view line) = 0;
};

}  // namespace ranquill
