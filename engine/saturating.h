#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace ranquill {

// a + b, held at the signed 32-bit limits instead of wrapping.
constexpr std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = std::int64_t{a} + b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace ranquill
