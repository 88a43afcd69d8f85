#pragma once

#include <stdexcept>
#include <string>

namespace ranquill {

// An input/output failure identified by a numeric code; its message is
// chosen by the code ("File not found" for 2, "I/O error 32" for 32).
class IoError : public std::runtime_error {
  public:
    explicit IoError(int code);

    int Code() const noexcept { return code_; }

    static std::string MessageFor(int code);

  private:
    int code_;
};

}  // namespace ranquill
