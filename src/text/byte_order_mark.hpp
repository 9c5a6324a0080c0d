// The UTF-8 byte-order mark that some editors and instrument software write at
// the start of a text file. It is not text: a file's first line is read
// without it.
#pragma once

#include <string_view>

namespace vortelin {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A file's first line less the byte-order mark it may start with.
constexpr std::string_view without_byte_order_mark(std::string_view first_line) {
  return first_line.starts_with(kByteOrderMark) ? first_line.substr(kByteOrderMark.size())
                                                : first_line;
}

}  // namespace vortelin
