// The pseudo-random numbers of the benchmark generators: the same sequence for
// the same seed on every machine (our own generator, no library distributions).
#pragma once

#include <cstdint>
#include <type_traits>

struct Random {
  std::uint64_t state;
  // splitmix64: tiny, fast and fully specified.
  std::uint64_t next() {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  // Uniform enough in [low, high] for test data.
  template <typename Integer>
  Integer between(Integer low, std::type_identity_t<Integer> high) {
    const auto span = static_cast<std::uint64_t>(high - low) + 1;
    return static_cast<Integer>(low + static_cast<Integer>(next() % span));
  }
};
