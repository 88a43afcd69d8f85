#pragma once

#include <cstdint>
#include <string_view>

namespace ranquill {

struct ParsedInteger {
    std::int32_t value = 0;
    // True when everything after the leading spaces formed one valid number.
    bool complete = false;
};

// Reads a signed 32-bit integer from `text`; never fails.
//
// Leading spaces (only spaces) are skipped. Then either an optional '+' or
// '-' and decimal digits, or, in place of a sign, one of the hexadecimal
// prefixes '$', 'x', 'X', "0x", "0X" followed by hexadecimal digits.
//
// A complete number gives its value, negated after '-'. Hexadecimal takes at
// most eight digits and is read as a 32-bit two's-complement value, so
// "$FFFFFFFF" is -1.
//
// Otherwise the first character that does not fit (a non-digit, a trailing
// space, a hexadecimal prefix after a sign) ends the reading, and the value
// accumulated before it is returned without the sign; empty or all-blank
// text, and a prefix or sign with no digits, give 0.
//
// Numbers beyond the signed 32-bit range follow the same rule: the digit
// that would take the value out of range is the offending character. A
// decimal number may reach 2147483647, or 2147483648 after '-'; a ninth
// hexadecimal digit is offending. So "2147483648" gives 214748364 and
// "$123456789" gives 0x12345678. The one accumulated value that a signed
// result cannot hold, 2147483648 after '-' followed by an offending
// character, is returned as 2147483647.
ParsedInteger ParseInteger(std::string_view text);

}  // namespace ranquill
