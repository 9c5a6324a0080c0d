#include "text/decimal_conversion.hpp"

#include <cerrno>
#include <cfloat>
#include <charconv>
#include <cstdlib>
#include <limits>

namespace vortelin {

namespace {

// Powers of ten that a double holds exactly.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::int64_t kMaxExactPower = 22;
constexpr std::uint64_t kMaxExactMantissa = std::uint64_t{1} << 53;

// Beyond these decimal magnitudes every value overflows or rounds to zero, so
// the exponent written for the library never needs more than three digits.
constexpr std::int64_t kOverflowMagnitude = 400;
constexpr std::int64_t kUnderflowMagnitude = -400;

// One rounding per operation holds only when doubles are computed in double
// precision (not in a wider register format).
constexpr bool kPlainDoubleArithmetic = FLT_EVAL_METHOD == 0;

}  // namespace

double decimal_to_double(std::string_view digits, std::int64_t exponent) {
  if (digits.size() > kMaxDecimalDigits) digits = digits.substr(0, kMaxDecimalDigits);
  while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
  while (!digits.empty() && digits.back() == '0') {
    digits.remove_suffix(1);
    ++exponent;
  }
  if (digits.empty()) return 0.0;

  // The value lies in [10^(magnitude-1), 10^magnitude).
  const std::int64_t magnitude = exponent + static_cast<std::int64_t>(digits.size());
  if (magnitude > kOverflowMagnitude) return std::numeric_limits<double>::infinity();
  if (magnitude < kUnderflowMagnitude) return 0.0;

  // Fast path: an exactly held mantissa times or divided by an exactly held
  // power of ten is one correctly rounded operation.
  if (kPlainDoubleArithmetic && digits.size() <= 19 && exponent >= -kMaxExactPower &&
      exponent <= kMaxExactPower) {
    std::uint64_t mantissa = 0;
    for (const char c : digits) mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    if (mantissa <= kMaxExactMantissa) {
      const double m = static_cast<double>(mantissa);
      return exponent >= 0 ? m * kExactPowers[exponent] : m / kExactPowers[-exponent];
    }
  }

  // General path: digits and exponent with no radix character, so the result
  // does not depend on the locale. errno is left as the caller had it.
  char text[kMaxDecimalDigits + 8];
  std::size_t length = digits.copy(text, kMaxDecimalDigits);
  text[length++] = 'e';
  const std::to_chars_result written =
      std::to_chars(text + length, text + sizeof text - 1, exponent);
  *written.ptr = '\0';
  const int saved_errno = errno;
  const double value = std::strtod(text, nullptr);
  errno = saved_errno;
  return value;
}

}  // namespace vortelin
