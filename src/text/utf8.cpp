#include "text/utf8.hpp"

#include <cstddef>

namespace vortelin {

namespace {

bool is_continuation(unsigned char byte) {
  return (byte & 0xC0U) == 0x80U;
}

// The length of the well-formed sequence starting at `at`, or 0. The ranges of
// the second byte rule out overlong forms, surrogates and code points past
// U+10FFFF.
std::size_t sequence_length(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80;  // the second byte's range
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() - at < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!is_continuation(byte(i))) return 0;
  }
  return length;
}

}  // namespace

bool is_utf8_beyond_ascii(std::string_view text) {
  bool beyond_ascii = false;
  for (std::size_t at = 0; at < text.size();) {
    if (static_cast<unsigned char>(text[at]) < 0x80) {
      ++at;
      continue;
    }
    const std::size_t length = sequence_length(text, at);
    if (length == 0) return false;
    beyond_ascii = true;
    at += length;
  }
  return beyond_ascii;
}

}  // namespace vortelin
