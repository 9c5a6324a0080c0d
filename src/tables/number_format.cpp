#include "tables/number_format.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace vortelin {

namespace {

void append_aligned(std::string& out, std::string_view text, int width) {
  const auto columns = static_cast<std::size_t>(width);
  if (text.size() > columns) {
    out.append(columns, '*');
    return;
  }
  out.append(columns - text.size(), ' ');
  out += text;
}

}  // namespace

void append_integer(std::string& out, std::int32_t value, int width) {
  std::array<char, 16> digits{};
  const auto result = std::to_chars(digits.begin(), digits.end(), value);
  append_aligned(out, {digits.data(), result.ptr}, width);
}

void append_fixed(std::string& out, float value, int width, int decimals) {
  const double widened = value;
  if (!std::isfinite(widened)) {
    out.append(static_cast<std::size_t>(width), '*');
    return;
  }
  // 39 integer digits at most for a float, plus sign, point and decimals.
  std::array<char, 64> digits{};
  const auto result =
      std::to_chars(digits.begin(), digits.end(), widened, std::chars_format::fixed, decimals);
  std::string_view text(digits.data(), result.ptr);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string_view::npos) {
    text.remove_prefix(1);
  }
  append_aligned(out, text, width);
}

}  // namespace vortelin
