#include "text/value_reader.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "text/fatal.hpp"

namespace vortelin {
namespace {

constexpr double kUnset = -999.0;  // every slot starts here; a null keeps it
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr double kIntMin = std::numeric_limits<std::int32_t>::min();

// Reads `text` into items of the kinds in `kinds` ('f' float, 'i' integer) and
// returns what they hold. The text sits alone in a heap block of its exact
// size, so the address sanitizer sees any read past its end; `padded` adds
// the blank padding of a 3000-character field instead.
std::vector<double> read(const std::string& kinds, const std::string& text, bool padded) {
  const std::string source = padded ? text + std::string(3000 - text.size(), ' ') : text;
  const auto block = std::make_unique<char[]>(source.size());
  std::memcpy(block.get(), source.data(), source.size());
  std::vector<float> floats(kinds.size(), static_cast<float>(kUnset));
  std::vector<std::int32_t> ints(kinds.size(), static_cast<std::int32_t>(kUnset));
  std::vector<ValueTarget> items;
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    items.push_back(kinds[k] == 'f' ? ValueTarget{&floats[k]} : ValueTarget{&ints[k]});
  }
  read_values({block.get(), source.size()}, items);
  std::vector<double> held;
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    held.push_back(kinds[k] == 'f' ? static_cast<double>(floats[k]) : static_cast<double>(ints[k]));
  }
  return held;
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
        try {
          read(c.kinds, text, padded);
          ADD_FAILURE() << "no failure for [" << text << "]";
        } catch (const FatalCondition& e) {
          EXPECT_EQ(diagnostic_text(e), c.first_line +
                                            "\r\napparent state: internal I/O\r\n"
                                            "lately reading sequential formatted internal IO\r\n")
              << "[" << text << "]";
        }
      }
    }
  }
}

}  // namespace
}  // namespace vortelin
