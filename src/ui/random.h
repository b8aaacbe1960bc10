// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rnd and Randomize. The real game reseeds from the wall clock; tests and the
// script driver fix a seed (reseeds then mix it with the virtual time) and can
// queue the exact results of the next draws.

#include <cstdint>
#include <deque>
#include <functional>

namespace ui {

class Random {
 public:
  // Seeded from the wall clock; Randomize reseeds from it.
  Random();

  // A value uniform in [0, 1), in single precision.
  float Rnd();
  // Reseeds the generator from the clock.
  void Randomize();

  // From now on every reseed takes its seed from `seed` and `clock()`.
  void fix(std::uint64_t seed, std::function<std::int64_t()> clock);
  // The next draws return these values first, in order; reseeds keep them.
  void queue(float value);

  // Everything a saved game keeps of the source.
  struct State {
    std::uint64_t state = 0;
    bool fixed = false;  // reseeds take `seed` and the virtual time
    std::uint64_t seed = 0;
    std::deque<float> queued;
    bool operator==(const State&) const = default;
  };
  State state() const { return {state_, bool(fixedClock_), fixedSeed_, queued_}; }
  // Puts a saved state in force; `clock` is the virtual time a fixed source reseeds from.
  void restore(State saved, std::function<std::int64_t()> clock);

 private:
  std::uint64_t next();
  void reseed(std::uint64_t seed);

  std::uint64_t state_ = 0;
  std::uint64_t fixedSeed_ = 0;
  std::function<std::int64_t()> fixedClock_;  // empty: reseeds from the wall clock
  std::deque<float> queued_;
};

// Int(Rnd × n): a draw scaled by n in single precision, as every draw of the
// game is, and floored.
double IntRnd(Random& random, float n);

}  // namespace ui
