// Fixed-length, blank-padded text fields: assigning cuts or pads, so a field
// always holds exactly N bytes and the padding rules cannot go wrong at call sites.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace vortelin {

template <std::size_t N>
struct FixedField {
  std::array<char, N> bytes = blanks();

  static constexpr std::size_t size() { return N; }

  // The first min(len, N) characters of `text`, then blanks.
  void assign(std::string_view text) {
    if (text.size() >= N) {  // the usual case: a fixed-size copy, no padding
      std::copy_n(text.data(), N, bytes.data());
      return;
    }
    const std::size_t n = text.size();
    std::copy_n(text.data(), n, bytes.data());
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(n), bytes.end(), ' ');
  }
  void clear() { bytes = blanks(); }

  std::string_view view() const { return {bytes.data(), N}; }
  // Positions 1 to `length`, `length` <= N.
  std::string_view prefix(std::size_t length) const { return {bytes.data(), length}; }

  friend bool operator==(const FixedField&, const FixedField&) = default;

 private:
  static constexpr std::array<char, N> blanks() {
    std::array<char, N> b{};
    b.fill(' ');
    return b;
  }
};

}  // namespace vortelin
