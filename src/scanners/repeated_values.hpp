// Consecutive CCN records mostly repeat their set points byte for byte. A
// record whose value text starts with the bytes that the previous record's
// read depended on gives the same values, and a read only stores values or
// leaves items alone, so reading them again into the same items changes
// nothing: the read can be skipped.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace vortelin {

struct RepeatedValues {
  std::array<char, 64> bytes{};  // the start of the text the last read depended on
  std::size_t looked_at = 0;     // what read_values returned; 0 when nothing is held
  std::size_t length = 0;        // the length of that text
};

// True when reading `text` into the same items as the remembered read would
// leave them as that read did.
inline bool repeats(const RepeatedValues& last, std::string_view text) {
  if (last.looked_at == 0) return false;
  if (last.looked_at > last.length) {  // the read met the text's end
    return text.size() == last.length && std::equal(text.begin(), text.end(), last.bytes.begin());
  }
  return text.size() >= last.looked_at &&
         std::equal(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(last.looked_at),
                    last.bytes.begin());
}

// Remembers a read of `text` that depended on `looked_at` (see read_values);
// a read that depended on more than fits is not remembered.
inline void remember(RepeatedValues& last, std::string_view text, std::size_t looked_at) {
  const std::size_t held = std::min(looked_at, text.size());
  if (held > last.bytes.size()) {
    last.looked_at = 0;
    return;
  }
  std::copy_n(text.data(), held, last.bytes.data());
  last.looked_at = looked_at;
  last.length = text.size();
}

}  // namespace vortelin
