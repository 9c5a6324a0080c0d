// Value reading over any text: it either fills its items or ends with one of
// its own fatal conditions, never reads past the text, and a plain number reads
// as the C library reads it.
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include "fuzz_support.hpp"
#include "text/fatal.hpp"
#include "text/value_reader.hpp"

namespace {

using vortelin::fuzz::require;

constexpr std::uint32_t kUnsetFloat = 0x7fc0beefu;  // a NaN no read produces
constexpr std::int32_t kUnsetInt = 0x5a5a5a5a;

bool known_condition(const vortelin::FatalCondition& c) {
  const std::string_view incomprehensible = vortelin::kIncomprehensible;
  if (c.context() == vortelin::kListIn) return c.message() == vortelin::kEndOfFile;
  if (c.context() == vortelin::kInvalidInteger) {
    return c.message() == vortelin::kUnexpectedCharacter;
  }
  return (c.context() == vortelin::kInvalidNumber || c.context() == vortelin::kBadRepetition ||
          c.context() == vortelin::kExponentField) &&
         c.message() == incomprehensible;
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// A text the C library's strtod reads the same way: blanks, a sign, digits with
// at most one point, an optional E exponent of a few digits, then blanks only.
// Returns the number of digits, or -1 when the text has another shape.
int plain_number_digits(std::string_view text, bool integer) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return -1;
  if (text[i] == '+' || text[i] == '-') ++i;
  int digits = 0;
  bool point = false;
  for (; i < text.size() && (is_digit(text[i]) || (!point && !integer && text[i] == '.')); ++i) {
    if (text[i] == '.') {
      point = true;
    } else {
      ++digits;
    }
  }
  if (digits == 0) return -1;
  if (!integer && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t start = i;
    while (i < text.size() && is_digit(text[i])) ++i;
    if (i == start || i - start > 4) return -1;
  }
  return text.find_first_not_of(' ', i) == std::string_view::npos ? digits : -1;
}

// The library's reading of a plain number, narrowed as value reading narrows.
void check_plain_number(std::string_view text, float got_float, std::int32_t got_int,
                        bool integer) {
  const int digits = plain_number_digits(text, integer);
  if (digits < 0 || digits > 40) return;
  const std::string copy(text);
  const double expected = std::strtod(copy.c_str(), nullptr);
  if (integer) {
    std::int32_t want = 0;
    if (expected >= 2147483648.0) {
      want = std::numeric_limits<std::int32_t>::max();
    } else if (expected <= -2147483649.0) {
      want = std::numeric_limits<std::int32_t>::min();
    } else {
      want = static_cast<std::int32_t>(expected);
    }
    require(got_int == want, "an integer differs from the library's reading", text);
    return;
  }
  float want = 0;
  if (std::fabs(expected) >= 0x1.ffffffp127) {
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    want = expected > 0 ? kInfinity : -kInfinity;
  } else {
    want = static_cast<float>(expected);
  }
  require(std::bit_cast<std::uint32_t>(got_float) == std::bit_cast<std::uint32_t>(want),
          "a real differs from the library's reading", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  // Two bytes choose the items: how many (1 to 8) and which are integers.
  const std::size_t count = 1 + (vortelin::fuzz::take_byte(input) & 7u);
  const unsigned integers = vortelin::fuzz::take_byte(input);
  // The text keeps its own heap block of exactly its size, so a read past it is caught.
  const std::unique_ptr<char[]> block(new char[input.size()]);
  std::copy(input.begin(), input.end(), block.get());
  const std::string_view text(block.get(), input.size());

  std::array<float, 8> floats{};
  std::array<std::int32_t, 8> ints{};
  std::array<vortelin::ValueTarget, 8> items{};
  for (std::size_t k = 0; k < count; ++k) {
    floats[k] = std::bit_cast<float>(kUnsetFloat);
    ints[k] = kUnsetInt;
    if ((integers >> k) & 1u) {
      items[k] = &ints[k];
    } else {
      items[k] = &floats[k];
    }
  }
  try {
    vortelin::read_values(text, std::span(items.data(), count));
  } catch (const vortelin::FatalCondition& condition) {
    require(known_condition(condition), "an unknown condition", condition.what());
    require(condition.state() == vortelin::kInternalState, "a state other than internal I/O");
    const vortelin::IoTrace trace = condition.trace();
    require(trace.format.empty() && !trace.writing && trace.internal, "a wrong activity line");
    require(text.find_first_not_of(" \t") != std::string_view::npos ||
                condition.context() == vortelin::kListIn,
            "blank text gives another condition than end of file");
    return 0;
  }
  require(text.find_first_not_of(" \t") != std::string_view::npos, "blank text filled items");
  for (std::size_t k = count; k < items.size(); ++k) {
    require(floats[k] == 0 && ints[k] == 0, "an item past the list was written");
  }
  if (count == 1) check_plain_number(text, floats[0], ints[0], (integers & 1u) != 0);
  return 0;
}
