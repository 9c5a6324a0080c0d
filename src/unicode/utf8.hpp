// Well-formed UTF-8, in one place for every program that tells text from
// bytes: names opened on Windows, fields of a table, text written into a
// picture. It depends on nothing, so every layer may use it.
#pragma once

#include <cstddef>
#include <string_view>

namespace vortelin {

// The length of the well-formed UTF-8 sequence at the start of `text`: 1 for
// an ASCII byte, 2 to 4 for a longer character; 0 when `text` is empty or
// starts with bytes that are not well-formed (a stray continuation byte, an
// overlong form, a surrogate, a code point above U+10FFFF, a cut sequence).
std::size_t utf8_sequence_length(std::string_view text);

// True when every byte of `text` belongs to a well-formed UTF-8 sequence.
bool is_well_formed_utf8(std::string_view text);

}  // namespace vortelin
