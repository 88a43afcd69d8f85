// Checks the integer reader on arbitrary text: the entry box's reading agrees
// with it, a complete number means what it says, and an incomplete decimal
// reading is never negative.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "decision_engine.h"
#include "integer_parser.h"

namespace {

void Require(bool condition, const char* what, std::string_view text) {
    if (condition) return;
    std::fprintf(stderr, "violated: %s for \"%.*s\"\n", what, static_cast<int>(text.size()),
                 text.data());
    std::abort();
}

bool IsHexadecimal(std::string_view number) {
    return number.starts_with('$') || number.starts_with('x') || number.starts_with('X') ||
           number.starts_with("0x") || number.starts_with("0X");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ranquill::ParsedInteger parsed = ranquill::ParseInteger(text);
    Require(ranquill::DecisionEngine::ParseEntry(text) == parsed.value, "ParseEntry agrees", text);

    const std::size_t start = text.find_first_not_of(' ');
    const std::string_view number = start == std::string_view::npos ? "" : text.substr(start);
    const bool hexadecimal = IsHexadecimal(number);

    if (!parsed.complete) {
        Require(hexadecimal || parsed.value >= 0, "incomplete decimal is unsigned", text);
        return 0;
    }

    const ranquill::ParsedInteger again = ranquill::ParseInteger(std::to_string(parsed.value));
    Require(again.complete && again.value == parsed.value, "decimal round trip", text);

    if (hexadecimal) {
        const std::string_view digits = number.substr(number.front() == '0' ? 2 : 1);
        Require(digits.size() <= 8, "at most eight hexadecimal digits", text);
        std::uint32_t bits = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16);
        Require(error == std::errc() && end == digits.data() + digits.size(), "hex digits", text);
        Require(static_cast<std::int32_t>(bits) == parsed.value, "hex value", text);
    } else {
        const std::string_view digits = number.starts_with('+') ? number.substr(1) : number;
        std::int32_t value = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        Require(error == std::errc() && end == digits.data() + digits.size(), "decimal", text);
        Require(value == parsed.value, "decimal value", text);
    }
    return 0;
}
