// Reading integers and reals from a record's value text by the free-form input
// rules: blanks, tabs and commas separate values, a comma alone is a null, a
// slash ends the read early, and r*value repeats a value (or a null) r times.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

namespace vortelin {

// One item to fill: a 32-bit float or a 32-bit signed integer.
using ValueTarget = std::variant<float*, std::int32_t*>;

// Fills `items` in order from `text`. The text's end acts as the line end of a
// single record (the blank padding of a fixed field is implied, never needed).
// An item that gets a null, or that a slash skips, keeps its value.
// Any other outcome throws FatalCondition with the internal-I/O state.
//
// Returns how much of `text` the outcome depended on: its first n bytes, and
// for n = text.size() + 1 also its ending there. Any text that starts with the
// same n bytes (and for text.size() + 1, is as long) fills the items the same
// way; as a read only stores values or leaves items alone, reading such a text
// again into the same items changes nothing.
std::size_t read_values(std::string_view text, std::span<const ValueTarget> items);

}  // namespace vortelin
