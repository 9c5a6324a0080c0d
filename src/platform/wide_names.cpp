#include "platform/wide_names.hpp"

#include <cstddef>
#include <cstdint>

#include "unicode/utf8.hpp"

namespace vortelin {

namespace {

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
    const std::size_t length = utf8_sequence_length(text.substr(at));
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
    const std::size_t length = ascii ? 1 : utf8_sequence_length(name.substr(at));
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
