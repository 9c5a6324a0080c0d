// Correctly rounded conversion of a decimal digit string and a power of ten to
// a double, without allocation and without dependence on the locale.
#pragma once

#include <cfloat>
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

namespace exact_decimal {

// Powers of ten that a double holds exactly.
inline constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
inline constexpr std::int64_t kMaxPower = 22;
inline constexpr std::uint64_t kMaxMantissa = std::uint64_t{1} << 53;

// One rounding per operation holds only when doubles are computed in double
// precision (not in a wider register format).
inline constexpr bool kPlainDoubleArithmetic = FLT_EVAL_METHOD == 0;

}  // namespace exact_decimal

// The fast exact case of decimal_to_double: a mantissa that a double holds
// exactly, times or divided by a power of ten that it holds exactly, is one
// correctly rounded operation. False (and `value` untouched) when the case
// does not apply; the general conversion then gives the same result.
inline bool exact_decimal_to_double(std::uint64_t mantissa, std::int64_t exponent, double& value) {
  using namespace exact_decimal;
  if (!kPlainDoubleArithmetic || mantissa > kMaxMantissa || exponent < -kMaxPower ||
      exponent > kMaxPower) {
    return false;
  }
  const double m = static_cast<double>(mantissa);
  value = exponent >= 0 ? m * kPowers[exponent] : m / kPowers[-exponent];
  return true;
}

}  // namespace vortelin
