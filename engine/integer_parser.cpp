#include "integer_parser.h"

#include <cstdint>
#include <limits>

namespace ranquill {
namespace {

constexpr std::int64_t kMaxMagnitude = std::numeric_limits<std::int32_t>::max();
constexpr int kMaxHexDigits = 8;

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

ParsedInteger Incomplete(std::int64_t magnitude) {
    return {static_cast<std::int32_t>(magnitude > kMaxMagnitude ? kMaxMagnitude : magnitude),
            false};
}

ParsedInteger ParseDecimal(std::string_view digits, bool negative) {
    const std::int64_t limit = negative ? kMaxMagnitude + 1 : kMaxMagnitude;
    std::int64_t magnitude = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return Incomplete(magnitude);
        const std::int64_t next = magnitude * 10 + (c - '0');
        if (next > limit) return Incomplete(magnitude);
        magnitude = next;
    }
    if (digits.empty()) return {0, false};
    return {static_cast<std::int32_t>(negative ? -magnitude : magnitude), true};
}

ParsedInteger ParseHexadecimal(std::string_view digits) {
    std::uint32_t bits = 0;
    int count = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || count == kMaxHexDigits) return {static_cast<std::int32_t>(bits), false};
        bits = (bits << 4) | static_cast<std::uint32_t>(digit);
        ++count;
    }
    return {static_cast<std::int32_t>(bits), count > 0};
}

}  // namespace

ParsedInteger ParseInteger(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return {0, false};
    text.remove_prefix(start);

    const char lead = text.front();
    if (lead == '+' || lead == '-') return ParseDecimal(text.substr(1), lead == '-');
    if (lead == '$' || lead == 'x' || lead == 'X') return ParseHexadecimal(text.substr(1));
    if (lead == '0' && text.size() > 1 && (text[1] == 'x' || text[1] == 'X')) {
        return ParseHexadecimal(text.substr(2));
    }
    return ParseDecimal(text, false);
}

}  // namespace ranquill
