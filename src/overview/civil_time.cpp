#include "overview/civil_time.hpp"

#include <algorithm>
#include <array>
#include <cstdio>

namespace vortelin::overview {

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Takes the run of digits at the start of `text` when it is `least` to `most`
// digits long (a longer run is not a shorter number touching a digit).
std::optional<int> take_digits(std::string_view& text, std::size_t least, std::size_t most) {
  std::size_t count = 0;
  while (count < text.size() && is_digit(text[count])) ++count;
  if (count < least || count > most) return std::nullopt;
  int value = 0;
  for (std::size_t i = 0; i < count; ++i) value = value * 10 + (text[i] - '0');
  text.remove_prefix(count);
  return value;
}

bool take_char(std::string_view& text, char wanted) {
  if (text.empty() || text.front() != wanted) return false;
  text.remove_prefix(1);
  return true;
}

bool is_leap(std::int64_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(std::int64_t year, int month) {
  constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && is_leap(year)) return 29;
  return kDays[static_cast<std::size_t>(month - 1)];
}

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

}  // namespace

std::optional<DateParts> read_date_parts(std::string_view text) {
  text = trimmed(text);
  DateParts parts;
  const auto first = take_digits(text, 1, 2);
  if (!first || !take_char(text, '/')) return std::nullopt;
  const auto second = take_digits(text, 1, 2);
  if (!second || !take_char(text, '/')) return std::nullopt;
  const std::size_t year_digits =
      static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), is_digit) - text.begin());
  if (year_digits != 2 && year_digits != 4) return std::nullopt;
  const auto year = take_digits(text, year_digits, year_digits);
  if (!year || !text.empty()) return std::nullopt;
  parts.first = *first;
  parts.second = *second;
  parts.year = year_digits == 2 ? 2000 + *year : *year;
  return parts;
}

std::optional<std::int64_t> day_number(const DateParts& parts, DateOrder order) {
  const int month = order == DateOrder::month_first ? parts.first : parts.second;
  const int day = order == DateOrder::month_first ? parts.second : parts.first;
  if (month < 1 || month > 12 || day < 1 || day > days_in_month(parts.year, month)) {
    return std::nullopt;
  }
  return days_from_civil(parts.year, month, day);
}

std::optional<std::int32_t> read_clock_time(std::string_view text) {
  text = trimmed(text);
  const auto hour = take_digits(text, 1, 2);
  if (!hour || !take_char(text, ':')) return std::nullopt;
  const auto minute = take_digits(text, 2, 2);
  if (!minute || !take_char(text, ':')) return std::nullopt;
  const auto second = take_digits(text, 2, 2);
  if (!second || !text.empty() || *hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
  return *hour * 3600 + *minute * 60 + *second;
}

// The well-known era-based conversion: 400-year eras of 146097 days.
std::int64_t days_from_civil(std::int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = floor_div(year, 400);
  const std::int64_t year_of_era = year - era * 400;
  const std::int64_t month_from_march = month > 2 ? month - 3 : month + 9;
  const std::int64_t day_of_year = (153 * month_from_march + 2) / 5 + day - 1;
  const std::int64_t day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

CivilTime civil_time(std::int64_t seconds) {
  const std::int64_t days = floor_div(seconds, kSecondsPerDay);
  const auto of_day = static_cast<int>(seconds - days * kSecondsPerDay);
  const std::int64_t shifted = days + 719468;
  const std::int64_t era = floor_div(shifted, 146097);
  const std::int64_t day_of_era = shifted - era * 146097;
  const std::int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const std::int64_t day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const std::int64_t month_from_march = (5 * day_of_year + 2) / 153;
  CivilTime time;
  time.day = static_cast<int>(day_of_year - (153 * month_from_march + 2) / 5 + 1);
  time.month =
      static_cast<int>(month_from_march < 10 ? month_from_march + 3 : month_from_march - 9);
  time.year = year_of_era + era * 400 + (time.month <= 2 ? 1 : 0);
  time.hour = of_day / 3600;
  time.minute = of_day / 60 % 60;
  time.second = of_day % 60;
  return time;
}

std::string iso_time(std::int64_t seconds) {
  const CivilTime t = civil_time(seconds);
  std::array<char, 64> text{};
  const int length =
      std::snprintf(text.data(), text.size(), "%04lld-%02d-%02d %02d:%02d:%02d",
                    static_cast<long long>(t.year), t.month, t.day, t.hour, t.minute, t.second);
  return {text.data(), static_cast<std::size_t>(length)};
}

}  // namespace vortelin::overview
