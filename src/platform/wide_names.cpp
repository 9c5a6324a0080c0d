#include "platform/wide_names.hpp"

#include <cstddef>
#include <cstdint>

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

// The code point of the well-formed sequence of `length` bytes at `at`.
std::uint32_t code_point(std::string_view text, std::size_t at, std::size_t length) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::uint32_t code = length == 1 ? lead : lead & (0x7FU >> length);
  for (std::size_t i = 1; i < length; ++i) {
    code = (code << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3FU);
  }
  return code;
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

std::u16string wide_name(std::string_view name) {
  std::u16string units;
  if (!is_utf8_beyond_ascii(name)) return units;
  for (std::size_t at = 0; at < name.size();) {
    const bool ascii = static_cast<unsigned char>(name[at]) < 0x80;
    const std::size_t length = ascii ? 1 : sequence_length(name, at);
    const std::uint32_t code = code_point(name, at, length);
    at += length;
    if (code < 0x10000) {
      units += static_cast<char16_t>(code);
      continue;
    }
    // Beyond the basic plane: a surrogate pair.
    const std::uint32_t offset = code - 0x10000;
    units += static_cast<char16_t>(0xD800 + (offset >> 10));
    units += static_cast<char16_t>(0xDC00 + (offset & 0x3FFU));
  }
  return units;
}

}  // namespace vortelin
