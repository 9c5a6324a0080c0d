// The fast path of value reading: a real value of the usual plain shape, such
// as 0.20 or -4.5, read and converted in one pass. Everything else is left to
// the general free-form scan, which gives the same value wherever this applies.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "text/decimal_conversion.hpp"

namespace vortelin {

namespace plain_real {

// The bytes that, right after a number's digits, make it more than a plain
// decimal: a repeat count's "*", or the start of an exponent.
inline constexpr std::array<bool, 256> kContinuesNumber = [] {
  std::array<bool, 256> table{};
  for (const char c : {'*', '+', '-', 'E', 'e', 'D', 'd'}) {
    table[static_cast<unsigned char>(c)] = true;
  }
  return table;
}();

// Appends the decimal digits at `p` to `mantissa` and returns the first byte
// after them. More than 19 digits wrap `mantissa`; the caller rejects those.
inline const char* append_digits(const char* p, const char* end, std::uint64_t& mantissa) {
  for (; p < end; ++p) {
    const auto digit = static_cast<unsigned char>(*p - '0');
    if (digit > 9) break;
    mantissa = mantissa * 10 + digit;
  }
  return p;
}

}  // namespace plain_real

// Reads the value starting at `p` (before `end`, p < end): an optional sign,
// at most 19 digits (they always fit a 64-bit integer) with at most one point,
// then a byte that cannot continue a number, and a value the exact conversion
// covers. Returns the byte after the number, or nullptr for anything else (a
// repeat count, an exponent, no digit, more digits), with `value` untouched.
inline const char* scan_plain_real(const char* p, const char* end, double& value) {
  using namespace plain_real;
  constexpr std::ptrdiff_t kMaxExactDigits = 19;
  const bool negative = *p == '-';
  if (negative || *p == '+') ++p;
  std::uint64_t mantissa = 0;
  const char* const integer_start = p;
  p = append_digits(p, end, mantissa);
  std::ptrdiff_t count = p - integer_start;
  std::int64_t exponent = 0;
  if (p < end && *p == '.') {
    const char* const fraction_start = ++p;
    p = append_digits(p, end, mantissa);
    count += p - fraction_start;
    exponent = fraction_start - p;
  }
  // Leading zeros count here too: such rare values take the general scan.
  if (count == 0 || count > kMaxExactDigits) return nullptr;
  if (p < end && kContinuesNumber[static_cast<unsigned char>(*p)]) return nullptr;
  double magnitude = 0.0;
  if (!exact_decimal_to_double(mantissa, exponent, magnitude)) return nullptr;
  value = negative ? -magnitude : magnitude;
  return p;
}

}  // namespace vortelin
