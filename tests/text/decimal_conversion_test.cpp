#include "text/decimal_conversion.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

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

}  // namespace
}  // namespace vortelin
