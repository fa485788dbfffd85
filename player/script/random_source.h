// Where the probability condition PST draws its numbers from.
#pragma once

#include <cstdint>
#include <random>

namespace vek::player {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A fresh number, uniform in [0, 1).
    virtual double next() = 0;
};

// A fixed seed gives the same sequence on every system (walkthroughs and tests rely on it).
class SeededRandomSource : public RandomSource {
  public:
    explicit SeededRandomSource(std::uint64_t seed) : engine_(seed) {}
    double next() override;

  private:
    std::mt19937_64 engine_;
};

// Seeded once from the high-resolution clock when created, never reseeded.
class SystemRandomSource : public SeededRandomSource {
  public:
    SystemRandomSource();
};

}  // namespace vek::player
