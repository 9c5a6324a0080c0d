#include "text/value_reader.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "support/expect_fatal.hpp"
#include "text/plain_real.hpp"

namespace vortelin {
namespace {

constexpr double kUnset = -999.0;  // every item starts here; a null keeps it
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr double kIntMin = std::numeric_limits<std::int32_t>::min();

// Items of the kinds in `kinds` ('f' float, 'i' integer), all starting at kUnset.
struct Items {
  explicit Items(const std::string& kinds)
      : floats(kinds.size(), static_cast<float>(kUnset)),
        ints(kinds.size(), static_cast<std::int32_t>(kUnset)) {
    for (std::size_t k = 0; k < kinds.size(); ++k) {
      targets.push_back(kinds[k] == 'f' ? ValueTarget{&floats[k]} : ValueTarget{&ints[k]});
    }
  }
  Items(const Items&) = delete;  // the targets point into this object
  Items& operator=(const Items&) = delete;

  // What the items hold, floats widened.
  std::vector<double> held() const {
    std::vector<double> values;
    for (std::size_t k = 0; k < targets.size(); ++k) {
      values.push_back(std::holds_alternative<float*>(targets[k]) ? static_cast<double>(floats[k])
                                                                  : static_cast<double>(ints[k]));
    }
    return values;
  }

  std::vector<float> floats;
  std::vector<std::int32_t> ints;
  std::vector<ValueTarget> targets;
};

// Reads `text` into items of the kinds in `kinds` and returns what they hold.
// The text sits alone in a heap block of its exact size, so the address
// sanitizer sees any read past its end; `padded` adds the blank padding of a
// 3000-character field instead.
std::vector<double> read(const std::string& kinds, const std::string& text, bool padded) {
  const std::string source = padded ? text + std::string(3000 - text.size(), ' ') : text;
  const auto block = std::make_unique<char[]>(source.size());
  std::memcpy(block.get(), source.data(), source.size());
  Items items(kinds);
  read_values({block.get(), source.size()}, items.targets);
  return items.held();
}

TEST(ReadValues, FillsItems) {
  const std::string forty_ones(40, '1');
  const struct {
    std::string kinds;
    std::vector<std::string> texts;
    std::vector<double> expected;  // float expectations as floats, so rounding matches
  } cases[] = {
      {"f",
       {"\t120", "120 s", "120s", "120\r", "120\xff", "1.2e2", "1.2E+2", "1.2D2", "1.2d2",
        "12000e-2", "1.2+2", "+00120.000", "1200-1", "1.2e2*"},
       {120}},
      {"f", {",120", ",,"}, {kUnset}},
      {"fff",
       {"0.2, 1, 4.5", "0.2,1,4.5", "0.2 1 4.5", " 0.2\t,\t1 ,4.5", "0.2,1,4.5,x"},
       {0.2f, 1, 4.5f}},
      {"fff",
       {"0.2,,4.5", "0.2 , , 4.5", "0.2,-,4.5", "0.2 +, 4.5", "0.2,1*,4.5"},
       {0.2f, kUnset, 4.5f}},
      {"fff", {"/", " / 1", "+/", "2*/", ",/", "3*"}, {kUnset, kUnset, kUnset}},
      {"fff", {"1,/", "1/2", "1 /", "1,,/"}, {1, kUnset, kUnset}},
      {"fff", {"2*,5", "2* 5", "2*\t,5", ",,5"}, {kUnset, kUnset, 5}},
      {"ffff", {"2*,,5", "3*,5"}, {kUnset, kUnset, kUnset, 5}},
      {"ffff", {"3*0.3,5", "3*0.3 5", "03*.3 , 5"}, {0.3f, 0.3f, 0.3f, 5}},
      {"fff", {"+2*-1.5e0 7", "2*-15-1, 7"}, {-1.5f, -1.5f, 7}},
      {"ff", {"99999999999999999999*4", forty_ones + "*4", "1*4,4", "4 4 *"}, {4, 4}},
      {"f", {"1.5-3", ".0015", "0.15e-2"}, {0.0015f}},
      {"f",
       {"0." + std::string(45, '0') + "12345e50", "123450000" + std::string(40, '9') + "e-44",
        "12345" + std::string(40, '0') + "e-40", "1.2345e00000000000000004"},
       {1.2345e4f}},
      {"f", {"1e39", "3.4028236e38", "1e99999999", "1" + std::string(50, '0') + "e-11"}, {kInf}},
      {"f", {"-1e39", "-1e+99999999"}, {-kInf}},
      {"f", {"3.4028235e38", "3.40282356e38"}, {std::numeric_limits<float>::max()}},
      {"f", {"1e-99999999", "1e-50", "-0"}, {0}},
      {"i", {"1+2", "100", "+00100", "1000-1", "100999-3"}, {100}},
      {"i", {"12-1", "19-1", "1"}, {1}},
      {"i", {"-19-1", "-1"}, {-1}},
      {"i", {"2147483647", "2147483648", "99999999999999999999", "1+99999999"}, {kIntMax}},
      {"i", {"-2147483648", "-2147483649", "-1+400"}, {kIntMin}},
      {"iii", {"3*4", "2*4 4"}, {4, 4, 4}},
      {"fi", {"2.5 2", "2*25-1"}, {2.5, 2}},  // a group value is truncated for integers
      {"if", {",2.5", "-,2.5"}, {kUnset, 2.5}},
  };
  for (const auto& c : cases) {
    for (const std::string& text : c.texts) {
      for (const bool padded : {false, true}) {
        EXPECT_EQ(read(c.kinds, text, padded), c.expected) << c.kinds << " [" << text << "]";
      }
    }
  }
}

TEST(ReadValues, FailsWithItsDiagnostic) {
  const std::string forty_one(41, '1');
  const struct {
    std::string kinds, first_line;
    std::vector<std::string> texts;
  } cases[] = {
      {"f", "list in: end of file", {"", "   ", "\t"}},
      {"fff", "list in: end of file", {"0.2 1", "0.2,1,", "2*"}},
      {"f",
       "invalid number: incomprehensible list input",
       {"abc", "Inf", "NaN", "\r1", "\xff", "\x80", "e5", "- 1", "-", ".", ". 5", "2*x", "2*-"}},
      {"i", "invalid number: incomprehensible list input", {"e", "x1"}},
      {"ff",
       "bad repetition count: incomprehensible list input",
       {"*5", "-2*5", "0*5", "00*", "+*5", forty_one + "*5", "2*3*4", "2**", "1.5*2"}},
      {"f",
       "exponent field: incomprehensible list input",
       {"1e", "1e+", "120- ", "1.5e-", "1E+ 5", "1+", "1e100000000", "1-0100000000", "2*1e"}},
      {"i", "exponent field: incomprehensible list input", {"1+", "12-x"}},
      {"i",
       "invalid integer: read unexpected character",
       {"1.0", ".5", "1.", "1e2", "1D2", "2*1.5"}},
      {"fi", "invalid integer: read unexpected character", {"1 1.0", "2.5 -."}},
  };
  for (const auto& c : cases) {
    for (const std::string& text : c.texts) {
      for (const bool padded : {false, true}) {
        SCOPED_TRACE("[" + text + "]");
        EXPECT_FATAL(read(c.kinds, text, padded), c.first_line);
      }
    }
  }
}

// Texts that keep the bytes a read looked at and change or add anything after
// them fill the items the same way; reading a text again into the items it
// filled changes nothing.
TEST(ReadValues, OutcomeDependsOnlyOnWhatTheReadLookedAt) {
  const struct {
    std::string kinds, text;
  } cases[] = {{"f", "120 s"},
               {"f", "120"},
               {"f", "1.5-3"},
               {"f", "+00120.000"},
               {"fff", "0.2,1,4.5"},
               {"fff", "0.2,1,4.5,x"},
               {"fff", "0.2 , , 4.5"},
               {"fff", "1/2"},
               {"fff", "2*,5"},
               {"ffff", "3*0.3,5"},
               {"fff", "3*"},
               {"fi", "2*25-1"},
               {"i", "1+2"},
               {"if", ",2.5 7"},
               {"fff", "0.2,1,4.5e1 "},
               {"fff", "1.25,2.5,0.125\t"}};
  const std::string alphabet = "0123456789.,/ *+-eEdD\tx";
  std::mt19937_64 random(20050518);
  for (const auto& c : cases) {
    Items first(c.kinds);
    const std::size_t looked_at = read_values(c.text, first.targets);
    ASSERT_GE(looked_at, 1u) << c.text;
    ASSERT_LE(looked_at, c.text.size() + 1) << c.text;
    Items again(c.kinds);
    std::copy(first.floats.begin(), first.floats.end(), again.floats.begin());
    std::copy(first.ints.begin(), first.ints.end(), again.ints.begin());
    read_values(c.text, again.targets);
    EXPECT_EQ(again.floats, first.floats) << c.text;
    EXPECT_EQ(again.ints, first.ints) << c.text;
    if (looked_at > c.text.size()) continue;  // it met the text's end: nothing may follow
    for (int n = 0; n < 300; ++n) {
      std::string other = c.text.substr(0, looked_at);
      const int extra = std::uniform_int_distribution<int>(0, 6)(random);
      for (int i = 0; i < extra; ++i) {
        other +=
            alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
      }
      Items changed(c.kinds);
      read_values(other, changed.targets);
      EXPECT_EQ(changed.floats, first.floats) << "[" << c.text << "] and [" << other << "]";
      EXPECT_EQ(changed.ints, first.ints) << "[" << c.text << "] and [" << other << "]";
    }
  }
}

// One float item read from `text` by the free-form rules.
float read_float(const std::string& text) {
  Items items("f");
  read_values(text, items.targets);
  return items.floats[0];
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
