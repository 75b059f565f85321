// The random source behind the deal: uniform numbers in [0, 1).
#pragma once

#include <cstdint>
#include <deque>
#include <random>

namespace lastrino {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;  // from the system clock, at every Start
    virtual double next() = 0;  // uniform in [0, 1)
};

// The real generator. Reseeding mixes a nanosecond clock into the current
// state, so two Starts in quick succession never deal the same board.
class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    void reseed() override;
    double next() override;

private:
    std::mt19937_64 engine_;
};

// Values queued by a script are drawn first, oldest first; after them the
// real generator takes over. Reseeding leaves the queue alone.
class ScriptedRandom final : public RandomSource {
public:
    void push(double value) { queue_.push_back(value); }
    std::size_t queued() const { return queue_.size(); }
    void reseed() override { fallback_.reseed(); }
    double next() override;

private:
    std::deque<double> queue_;
    ClockRandom fallback_;
};

// For the front ends' test builds: every Start deals tile i onto cell i, so
// the board comes out solved but for the exchange of 30 and 31, and a game
// can be won in a known handful of clicks.
class InOrderDeal final : public RandomSource {
public:
    void reseed() override { drawn_ = 0; }
    double next() override { return (drawn_++ % 31 + 0.5) / 31; }

private:
    int drawn_ = 0;
};

}  // namespace lastrino
