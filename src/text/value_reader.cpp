#include "text/value_reader.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "text/byte_class.hpp"
#include "text/decimal_conversion.hpp"
#include "text/fatal.hpp"
#include "text/plain_real.hpp"

namespace vortelin {

namespace {

// The largest exponent field a number may carry.
constexpr std::int64_t kMaxExponentField = 99999999;

// The value text and the reading position in it. Every look at a character
// checks the position first, so nothing past the text is ever read.
struct Source {
  std::string_view text;
  std::size_t pos = 0;

  bool at_end() const { return pos >= text.size(); }
  char peek() const { return text[pos]; }  // only when !at_end()
  bool next_is(char c) const { return !at_end() && text[pos] == c; }
};

[[noreturn]] void fail(std::string_view context, std::string_view message) {
  // Value reads always follow a completed record read, so no format is remembered.
  throw FatalCondition(std::string(context), std::string(message), std::string(kInternalState),
                       IoTrace{{}, false, true});
}

constexpr bool is_sign(char c) {
  return c == '+' || c == '-';
}
constexpr bool is_separator(char c) {
  return c == ',' || c == '/';
}
constexpr bool is_exponent_letter(char c) {
  return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

void skip_blanks_and_tabs(Source& src) {
  while (!src.at_end() && is_blank_or_tab(src.peek())) ++src.pos;
}

// A number as scanned so far: its significant digits (the first
// kMaxDecimalDigits of them) scaled by a power of ten.
struct Mantissa {
  char digits[kMaxDecimalDigits];
  std::size_t kept = 0;
  std::int64_t exponent = 0;  // for a repeat count: the integer digits dropped
  bool negative = false;
  bool any_digit = false;  // leading zeros count here though they are not kept
};

// A scanned item: a value or a null, served to `count` items.
struct Value {
  bool null = true;
  double number = 0.0;
};
struct Scanned {
  std::size_t count = 1;
  Value value;
};

// An optional sign, then the integer digits. Leading zeros are skipped;
// digits past the kept ones only scale the value.
void scan_integer_part(Source& src, Mantissa& m) {
  if (!src.at_end() && is_sign(src.peek())) {
    m.negative = src.peek() == '-';
    ++src.pos;
  }
  while (!src.at_end() && is_digit(src.peek())) {
    const char c = src.peek();
    ++src.pos;
    m.any_digit = true;
    if (m.kept == 0 && c == '0') continue;
    if (m.kept < kMaxDecimalDigits) {
      m.digits[m.kept++] = c;
    } else {
      ++m.exponent;
    }
  }
}

// The fraction and the exponent, both optional. Fraction digits past the kept
// ones are dropped; leading zeros of the fraction only scale the value.
void scan_fraction_and_exponent(Source& src, Mantissa& m, bool integer) {
  if (src.next_is('.')) {
    if (integer) fail(kInvalidInteger, kUnexpectedCharacter);
    ++src.pos;
    while (!src.at_end() && is_digit(src.peek())) {
      const char c = src.peek();
      ++src.pos;
      m.any_digit = true;
      if (m.kept == 0 && c == '0') {
        --m.exponent;
      } else if (m.kept < kMaxDecimalDigits) {
        m.digits[m.kept++] = c;
        --m.exponent;
      }
    }
  }
  if (!m.any_digit || src.at_end()) return;

  // The exponent starts with a letter, or with a bare sign as in 1.5-3.
  bool negative = false;
  if (is_exponent_letter(src.peek())) {
    if (integer) fail(kInvalidInteger, kUnexpectedCharacter);
    ++src.pos;
    if (!src.at_end() && is_sign(src.peek())) {
      negative = src.peek() == '-';
      ++src.pos;
    }
  } else if (is_sign(src.peek())) {
    negative = src.peek() == '-';
    ++src.pos;
  } else {
    return;
  }
  if (src.at_end() || !is_digit(src.peek())) fail(kExponentField, kIncomprehensible);
  std::int64_t field = 0;
  while (!src.at_end() && is_digit(src.peek())) {
    field = field * 10 + digit_value(src.peek());
    if (field > kMaxExponentField) fail(kExponentField, kIncomprehensible);
    ++src.pos;
  }
  m.exponent += negative ? -field : field;
}

// The repeat count before a "*": one to kMaxDecimalDigits significant digits,
// no minus sign. Counts beyond any item list saturate.
std::size_t repeat_count(const Mantissa& m) {
  if (m.negative || m.kept == 0 || m.exponent > 0) {
    fail(kBadRepetition, kIncomprehensible);
  }
  constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
  std::size_t count = 0;
  for (std::size_t i = 0; i < m.kept; ++i) {
    const auto digit = static_cast<std::size_t>(digit_value(m.digits[i]));
    if (count > (kMax - digit) / 10) return kMax;
    count = count * 10 + digit;
  }
  return count;
}

// A scanned number's value. With no digit at all, a following comma or slash
// makes it a null and anything else is not a number.
Value finish(const Source& src, const Mantissa& m) {
  if (!m.any_digit) {
    if (!src.at_end() && is_separator(src.peek())) return {};
    fail(kInvalidNumber, kIncomprehensible);
  }
  const double magnitude = decimal_to_double({m.digits, m.kept}, m.exponent);
  return {false, m.negative ? -magnitude : magnitude};
}

const char* skip_blanks_and_tabs(const char* p, const char* end) {
  while (p < end && is_blank_or_tab(*p)) ++p;
  return p;
}

// One number, or r*number, or r* (r nulls). The character after it is left.
Scanned scan_item(Source& src, bool integer) {
  Mantissa first;
  scan_integer_part(src, first);
  if (!src.next_is('*')) {
    scan_fraction_and_exponent(src, first, integer);
    return {1, finish(src, first)};
  }
  const std::size_t count = repeat_count(first);
  ++src.pos;
  // r* before white space gives r nulls; before a comma or slash the scan
  // below finds no digit and gives them as well.
  if (src.at_end() || is_blank_or_tab(src.peek())) return {count, {}};
  Mantissa value;
  scan_integer_part(src, value);
  if (src.next_is('*')) fail(kBadRepetition, kIncomprehensible);  // r*r*...
  scan_fraction_and_exponent(src, value, integer);
  return {count, finish(src, value)};
}

// Narrowing that never leaves the float range undefined: doubles from the
// midpoint between the largest float and 2^128 upward round to infinity.
float narrow_to_float(double v) {
  constexpr double kOverflow = 0x1.ffffffp127;
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  if (v >= kOverflow) return kInfinity;
  if (v <= -kOverflow) return -kInfinity;
  return static_cast<float>(v);
}

// Truncation toward zero, clamped to the 32-bit range.
std::int32_t truncate_to_int32(double v) {
  constexpr double kTwoTo31 = 2147483648.0;
  if (v >= kTwoTo31) return std::numeric_limits<std::int32_t>::max();
  if (v <= -kTwoTo31 - 1.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(v);
}

void store(const ValueTarget& item, const Value& value) {
  if (value.null) return;
  if (float* const* f = std::get_if<float*>(&item)) {
    **f = narrow_to_float(value.number);
  } else {
    **std::get_if<std::int32_t*>(&item) = truncate_to_int32(value.number);
  }
}

// The leading run of float items whose values have the plain shape, each
// followed by blanks or tabs and at most one comma, read without the general
// scan's bookkeeping. Returns how many items were filled; the general loop
// goes on from there, at an item boundary with no repeat group pending.
std::size_t read_plain_reals(Source& src, std::span<const ValueTarget> items) {
  const char* const begin = src.text.data();
  const char* const end = begin + src.text.size();
  const char* p = begin + src.pos;  // at an item boundary
  std::size_t k = 0;
  for (; k < items.size(); ++k) {
    float* const* target = std::get_if<float*>(&items[k]);
    if (target == nullptr) break;
    const char* const at = skip_blanks_and_tabs(p, end);
    double number = 0.0;
    const char* const after = at < end ? scan_plain_real(at, end, number) : nullptr;
    if (after == nullptr) break;
    // A plain value has at most 19 digits, so it is far inside the float range.
    **target = static_cast<float>(number);
    if (k + 1 == items.size()) {
      src.pos = static_cast<std::size_t>(after - begin);
      return items.size();
    }
    p = skip_blanks_and_tabs(after, end);
    if (p < end && *p == ',') ++p;
  }
  src.pos = static_cast<std::size_t>(p - begin);
  return k;
}

// What a read's outcome depended on: the bytes up to and including the one at
// the reading position, and the text's end when the position reached it.
// Every byte the read looked at is before the position or at it.
std::size_t looked_at(const Source& src) {
  return std::min(src.pos, src.text.size()) + 1;
}

}  // namespace

std::size_t read_values(std::string_view text, std::span<const ValueTarget> items) {
  Source src{text};
  Value group;                 // the value (or null) of the current repeat group
  std::size_t group_left = 0;  // items the group still serves
  for (std::size_t k = read_plain_reals(src, items); k < items.size(); ++k) {
    const ValueTarget& item = items[k];
    if (group_left > 0) {
      --group_left;
    } else {
      // Blanks and tabs are white space; the text's end is the line end.
      skip_blanks_and_tabs(src);
      if (src.at_end()) fail(kListIn, kEndOfFile);
      if (src.peek() == '/') return looked_at(src);
      if (src.peek() == ',') {
        ++src.pos;
        continue;
      }
      const Scanned scanned = scan_item(src, std::holds_alternative<std::int32_t*>(item));
      group = scanned.value;
      group_left = scanned.count - 1;
    }
    store(item, group);
    // Nothing after the last item matters; stopping here spares a walk over
    // the blank padding of the field.
    if (k + 1 == items.size()) return looked_at(src);
    // One comma after a value is its separator; after a repeat group it
    // belongs to the group's last item.
    skip_blanks_and_tabs(src);
    if (group_left == 0 && src.next_is(',')) ++src.pos;
  }
  return looked_at(src);
}

}  // namespace vortelin
