#pragma once

#include <string>

namespace ranquill {

// The single-line entry box the user answers in.
class EntrySource {
  public:
    virtual ~EntrySource() = default;
    // The current text exactly as typed, as 8-bit text.
    virtual std::string Text() const = 0;
    virtual void Clear() = 0;
};

}  // namespace ranquill
