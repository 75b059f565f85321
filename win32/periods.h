// The timer's due periods, counted from a monotonic start. A window timer
// can be held up by a busy message loop and its messages do not queue up, so
// the number of periods is read off the clock: none is lost and none is
// counted twice, however late a message comes.
#pragma once

#include <cstdint>

namespace lastrino::win32 {

class DuePeriods {
public:
    explicit DuePeriods(std::uint64_t periodMs) : period_(periodMs) {}

    void restart(std::uint64_t nowMs) {
        start_ = nowMs;
        counted_ = 0;
    }
    // Periods that have come due since the last call.
    std::uint64_t take(std::uint64_t nowMs) {
        const std::uint64_t due = nowMs < start_ ? 0 : (nowMs - start_) / period_;
        if (due <= counted_) return 0;
        const std::uint64_t n = due - counted_;
        counted_ = due;
        return n;
    }
    // Milliseconds from now until the next period comes due, at least 1.
    std::uint64_t untilNext(std::uint64_t nowMs) const {
        const std::uint64_t next = start_ + (counted_ + 1) * period_;
        return next > nowMs ? next - nowMs : 1;
    }

private:
    std::uint64_t period_;
    std::uint64_t start_ = 0;
    std::uint64_t counted_ = 0;
};

}  // namespace lastrino::win32
