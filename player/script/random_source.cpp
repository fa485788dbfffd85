#include "player/script/random_source.h"

#include <chrono>

namespace vek::player {

double SeededRandomSource::next() {
    // The top 53 bits as a fraction: the same numbers from every standard library.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

SystemRandomSource::SystemRandomSource()
    : SeededRandomSource(static_cast<std::uint64_t>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

}  // namespace vek::player
