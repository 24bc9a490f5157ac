#include "platform/random_source.h"

#include <chrono>

namespace ivgen {

RandomSource::RandomSource()
    : engine_(static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

double RandomSource::Next() {
  // 53 random bits give every double in [0, 1) on the 2^-53 grid; 1.0 is never returned.
  return static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0);
}

}  // namespace ivgen
