// Correctly rounded conversion of a decimal digit string and a power of ten to
// a double, without allocation and without dependence on the locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vortelin {

// The most digits a conversion looks at; value reading keeps no more.
inline constexpr std::size_t kMaxDecimalDigits = 40;

// The double nearest to digits × 10^exponent (ties to even), the value the C
// library's strtod gives for the same digits and exponent. `digits` holds only
// '0' to '9' (leading and trailing zeros allowed, empty means zero); digits
// past the first kMaxDecimalDigits are ignored. Any exponent is accepted: far
// too large gives infinity, far too small gives zero.
double decimal_to_double(std::string_view digits, std::int64_t exponent);

}  // namespace vortelin
