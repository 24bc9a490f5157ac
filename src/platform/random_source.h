// The uniform generator behind the die. The program seeds it from the clock; tests and scripts
// give a fixed seed so that every roll can be predicted.
#pragma once

#include <cstdint>
#include <random>

namespace ivgen {

class RandomSource {
 public:
  /// Seeded from the clock.
  RandomSource();
  explicit RandomSource(uint64_t seed) : engine_(seed) {}

  /// Next value in [0, 1).
  double Next();

 private:
  std::mt19937_64 engine_;
};

}  // namespace ivgen
