// The older rule for the first and last value of a labelled line of dates or
// times, for a line whose field holds no whole date or time after its key: the
// text after the key is stripped up to its first character that can start a
// value, then the first 8 characters and the last 8 are taken.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/fixed_field.hpp"
#include "text/record_tail.hpp"

namespace vortelin {

struct FirstAndLast {
  bool found = false;      // false: no value starts in the text, nothing changes
  std::string_view first;  // up to 8 characters (the field pads them)
  std::string_view last;   // up to 8 characters; may point into `tail`
};

// `field` is the record's first bytes (at most 3000), `value_start` the 0-based
// offset just after the key. When `cut` (the record is longer than the field),
// `tail` holds the record's end and the last value comes from there; otherwise
// `tail` is not looked at. The last value is the record's last 8 characters
// before trailing blanks and NULs, or fewer when fewer follow the first
// value's start.
FirstAndLast first_and_last(std::string_view field, std::size_t value_start, const RecordTail& tail,
                            bool cut, std::string_view starts);

}  // namespace vortelin
