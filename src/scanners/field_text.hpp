// Positions within a record's text, with the field's blank padding implied.
#pragma once

#include <cstddef>
#include <string_view>

namespace vortelin {

// The text from 0-based offset `from` to the end; empty past the end.
constexpr std::string_view text_from(std::string_view text, std::size_t from) {
  return from < text.size() ? text.substr(from) : std::string_view{};
}

// At most `count` characters from offset `from`; the blanks that would pad
// them are left to the field they are assigned to.
constexpr std::string_view text_at(std::string_view text, std::size_t from, std::size_t count) {
  return text_from(text, from).substr(0, count);
}

}  // namespace vortelin
