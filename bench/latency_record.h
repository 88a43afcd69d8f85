#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <numeric>
#include <vector>

// Durations of repeated operations, in milliseconds, kept in the order they
// were taken so that early and late ones can be compared.
class LatencyRecord {
  public:
    void Add(std::chrono::steady_clock::duration elapsed) {
        samples_.push_back(std::chrono::duration<double, std::milli>(elapsed).count());
    }

    std::size_t Count() const { return samples_.size(); }
    double Total() const { return std::accumulate(samples_.begin(), samples_.end(), 0.0); }

    // The value below which `fraction` of the samples lie (nearest rank).
    double Percentile(double fraction) const {
        if (samples_.empty()) return 0.0;
        std::vector<double> sorted = samples_;
        const auto rank =
            static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1));
        std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(rank),
                         sorted.end());
        return sorted[rank];
    }

    double Max() const {
        return samples_.empty() ? 0.0 : *std::max_element(samples_.begin(), samples_.end());
    }

    double MeanOfFirst(std::size_t n) const { return Mean(0, std::min(n, samples_.size())); }
    double MeanOfLast(std::size_t n) const {
        const std::size_t count = std::min(n, samples_.size());
        return Mean(samples_.size() - count, samples_.size());
    }

  private:
    double Mean(std::size_t begin, std::size_t end) const {
        if (begin == end) return 0.0;
        return std::accumulate(samples_.begin() + static_cast<std::ptrdiff_t>(begin),
                               samples_.begin() + static_cast<std::ptrdiff_t>(end), 0.0) /
               static_cast<double>(end - begin);
    }

    std::vector<double> samples_;
};
