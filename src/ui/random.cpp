// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/random.h"

#include <chrono>
#include <cmath>

namespace ui {

namespace {

std::uint64_t wallClock() {
  return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

std::uint64_t mixed(std::uint64_t x) {
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}

}  // namespace

Random::Random() { reseed(wallClock()); }

std::uint64_t Random::next() {
  state_ += 0x9e3779b97f4a7c15ULL;  // splitmix64
  return mixed(state_);
}

void Random::reseed(std::uint64_t seed) { state_ = mixed(seed); }

float Random::Rnd() {
  if (!queued_.empty()) {
    float value = queued_.front();
    queued_.pop_front();
    return value;
  }
  // 24 random bits fill a float's mantissa exactly, so the result stays below 1.
  return static_cast<float>(next() >> 40) / 16777216.0f;
}

void Random::Randomize() {
  if (fixedClock_)
    reseed(fixedSeed_ * 1000003ULL + static_cast<std::uint64_t>(fixedClock_()));
  else
    reseed(wallClock());
}

void Random::fix(std::uint64_t seed, std::function<std::int64_t()> clock) {
  fixedSeed_ = seed;
  fixedClock_ = std::move(clock);
  reseed(seed);
}

void Random::queue(float value) {
  if (!(value >= 0.0f)) value = 0.0f;
  if (value >= 1.0f) value = std::nextafter(1.0f, 0.0f);
  queued_.push_back(value);
}

void Random::restore(State saved, std::function<std::int64_t()> clock) {
  state_ = saved.state;
  fixedSeed_ = saved.seed;
  fixedClock_ = saved.fixed ? std::move(clock) : nullptr;
  queued_ = std::move(saved.queued);
}

double IntRnd(Random& random, float n) { return std::floor(random.Rnd() * n); }

}  // namespace ui
