// Number fields of the summary rows: right-aligned in a fixed width, filled
// with asterisks when the value does not fit.
#pragma once

#include <cstdint>
#include <string>

namespace vortelin {

// The decimal digits, with a leading "-" when negative.
void append_integer(std::string& out, std::int32_t value, int width);

// The float widened to double and rounded to `decimals` places (ties of the
// exact binary value to even); always a digit before the point; no sign when
// the rounded digits are all zero. Not finite values do not fit.
void append_fixed(std::string& out, float value, int width, int decimals);

}  // namespace vortelin
