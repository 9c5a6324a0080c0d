#include "text/decimal_conversion.hpp"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "text/plain_real.hpp"
#include "text/value_reader.hpp"

namespace vortelin {
namespace {

// Bit-for-bit agreement with the C library, so a one-ulp error or a wrong
// zero or infinity shows.
void expect_library_value(const std::string& digits, std::int64_t exponent) {
  const std::string text = digits + "e" + std::to_string(exponent);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(decimal_to_double(digits, exponent)),
            std::bit_cast<std::uint64_t>(std::strtod(text.c_str(), nullptr)))
      << text;
}

TEST(DecimalToDouble, MatchesLibrary) {
  const std::pair<std::string, std::int64_t> hard[] = {
      {"9007199254740993", 0},
      {"9007199254740995", 0},
      {"1", 22},
      {"1", 23},
      {"3", -23},
      {"17976931348623157", 292},
      {"17976931348623159", 292},
      {"22250738585072011", -324},
      {"24703282292062327", -340},
      {"24703282292062328", -340},
      {"4940656458412465", -339},
      {"1000000000000000111022302462515654042364", -39},
      {"000125000", -5},
      {"1", 309},
      {"1", 1'000'000'000'000},
      {"9", -1'000'000'000'000},
      {"000", 1'000'000'000},
      {"", 5}};
  for (const auto& [digits, exponent] : hard) expect_library_value(digits, exponent);

  // Random decimals, half of them in the range of exact double arithmetic.
  std::mt19937_64 random(20050514);
  std::uniform_int_distribution<int> digit('0', '9');
  for (int n = 0; n < 200'000; ++n) {
    const bool short_form = n % 2 == 0;
    const std::size_t length =
        std::uniform_int_distribution<std::size_t>(1, short_form ? 19 : 40)(random);
    std::string digits;
    for (std::size_t i = 0; i < length; ++i) digits += static_cast<char>(digit(random));
    expect_library_value(
        digits, short_form ? std::uniform_int_distribution<std::int64_t>(-40, 22)(random)
                           : std::uniform_int_distribution<std::int64_t>(-390, 330)(random));
  }
}

// One float item read from `text` by the free-form rules.
float read_float(const std::string& text) {
  float value = -999.0f;
  const std::array<ValueTarget, 1> items{&value};
  read_values(text, items);
  return value;
}

// A plain number `number`, followed by `rest`, read by the fast path (when it
// takes it) and by the general scan (an exponent letter sends the same value
// there) gives the float the C library's conversion narrows to. Returns
// whether the fast path took it.
bool expect_same_float(const std::string& number, const std::string& rest) {
  const float library = static_cast<float>(std::strtod(number.c_str(), nullptr));
  const std::string text = number + rest;
  double fast = 0.0;
  const char* const after = scan_plain_real(text.data(), text.data() + text.size(), fast);
  if (after != nullptr) {
    EXPECT_EQ(after, text.data() + number.size()) << text;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(fast),
              std::bit_cast<std::uint64_t>(std::strtod(number.c_str(), nullptr)))
        << text;
  }
  EXPECT_EQ(std::bit_cast<std::uint32_t>(read_float(text)), std::bit_cast<std::uint32_t>(library))
      << text;
  EXPECT_EQ(std::bit_cast<std::uint32_t>(read_float(number + "e0" + rest)),
            std::bit_cast<std::uint32_t>(library))
      << text;
  return after != nullptr;
}

// Release builds check about two million numbers in about a second; the
// unoptimised sanitizer build checks a sample of them.
#ifdef NDEBUG
constexpr int kScale = 8;
#else
constexpr int kScale = 1;
#endif

TEST(PlainReal, AgreesWithGeneralScanAndLibrary) {
  std::mt19937_64 random(20050516);
  const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  const std::string rests[] = {"", ",1", " 2", "\t3", "/", "x", "\r"};
  int fast = 0;
  int total = 0;
  for (int n = 0; n < 200'000 * kScale; ++n) {
    std::string number = below(4) == 0 ? "-" : below(8) == 0 ? "+" : "";
    const int integer_digits = below(12);
    for (int i = 0; i < integer_digits; ++i) number += static_cast<char>('0' + below(10));
    if (integer_digits == 0 || below(3) != 0) {
      number += '.';
      const int fraction_digits = below(14) + (integer_digits == 0 ? 1 : 0);
      for (int i = 0; i < fraction_digits; ++i) number += static_cast<char>('0' + below(10));
    }
    fast += expect_same_float(number, rests[below(7)]) ? 1 : 0;
    ++total;
  }
  // The shapes above are mostly within the fast path's reach.
  EXPECT_GT(fast, total / 2);
}

// Decimals at and just beside the midpoint between two neighbouring floats,
// where narrowing the double rounds to even or to the nearer side.
TEST(PlainReal, AgreesAtFloatNarrowingBoundaries) {
  std::mt19937_64 random(20050517);
  int fast = 0;
  for (int n = 0; n < 60'000 * kScale; ++n) {
    // A float of 2^14 to 2^40: the midpoints' exact decimals are mostly short.
    const int power = std::uniform_int_distribution<int>(14, 40)(random);
    const float low = std::ldexp(1.0f + static_cast<float>(random() >> 41) * 0x1p-23f, power);
    const float high = std::nextafter(low, 2 * low);
    const double middle = (static_cast<double>(low) + static_cast<double>(high)) / 2;
    // Exact: the midpoint has at most 24 - power fraction bits.
    char text[64];
    const int decimals = power >= 24 ? 0 : 24 - power;
    std::snprintf(text, sizeof text, "%.*f", decimals, middle);
    const std::string exact = text;
    // Just above: one more digit. Just below: a whole midpoint less 0.1, or
    // the last digit (a 5 after the point) one less and then a 9.
    const std::string above = exact + (decimals == 0 ? ".1" : "1");
    std::string beneath = exact;
    if (decimals == 0) {
      std::snprintf(text, sizeof text, "%.0f.9", middle - 1);
      beneath = text;
    } else {
      --beneath.back();
      beneath += '9';
    }
    for (const std::string& number : {exact, above, beneath}) {
      fast += expect_same_float(number, ",") ? 1 : 0;
      fast += expect_same_float("-" + number, "") ? 1 : 0;
    }
  }
  EXPECT_GT(fast, 60'000 * kScale);
}

}  // namespace
}  // namespace vortelin
