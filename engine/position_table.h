#pragma once

#include <array>
#include <cstdint>
#include <utility>

namespace ranquill {

// A fixed table addressed by positions 1 to Capacity. Positions outside that
// range hold nothing: reading one gives a default value and writing one is
// ignored, so a stray index can never reach memory outside the table.
template <typename T, std::int32_t Capacity>
class PositionTable {
  public:
    static constexpr bool Holds(std::int32_t position) {
        return position >= 1 && position <= Capacity;
    }

    const T& operator[](std::int32_t position) const {
        static const T none{};
        return Holds(position) ? entries_[Slot(position)] : none;
    }

    // The entry at `position`, or nullptr when the table has no such position.
    T* At(std::int32_t position) { return Holds(position) ? &entries_[Slot(position)] : nullptr; }

    void Set(std::int32_t position, T value) {
        if (T* entry = At(position)) *entry = std::move(value);
    }

    void Exchange(std::int32_t a, std::int32_t b) {
        T* first = At(a);
        T* second = At(b);
        if (first && second) std::swap(*first, *second);
    }

  private:
    static constexpr std::size_t Slot(std::int32_t position) {
        return static_cast<std::size_t>(position - 1);
    }

    std::array<T, Capacity> entries_{};
};

}  // namespace ranquill
