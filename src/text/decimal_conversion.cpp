#include "text/decimal_conversion.hpp"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <limits>

namespace vortelin {

namespace {

// Beyond these decimal magnitudes every value overflows or rounds to zero, so
// the exponent written for the library never needs more than three digits.
constexpr std::int64_t kOverflowMagnitude = 400;
constexpr std::int64_t kUnderflowMagnitude = -400;

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

  // Up to 19 digits fit a 64-bit integer.
  if (digits.size() <= 19) {
    std::uint64_t mantissa = 0;
    for (const char c : digits) mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    double value = 0.0;
    if (exact_decimal_to_double(mantissa, exponent, value)) return value;
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
