// Explicit byte classes: never the <cctype> functions, whose behaviour on a
// negative char is undefined and depends on the locale.
#pragma once

namespace vortelin {

constexpr bool is_blank(char c) {
  return c == ' ';
}
constexpr bool is_blank_or_nul(char c) {
  return c == ' ' || c == '\0';
}
constexpr bool is_blank_or_tab(char c) {
  return c == ' ' || c == '\t';
}
constexpr bool is_digit(char c) {
  return c >= '0' && c <= '9';
}
constexpr int digit_value(char c) {
  return c - '0';
}

}  // namespace vortelin
