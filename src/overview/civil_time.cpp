#include "overview/civil_time.hpp"

#include <algorithm>

namespace vortelin::overview {

namespace {

using std::chrono::days;
using std::chrono::seconds;
using std::chrono::sys_days;
using std::chrono::sys_seconds;

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

sys_seconds moment_of(std::int64_t value) {
  return sys_seconds{seconds{value}};
}

}  // namespace

std::optional<calendar::WrittenDate> read_written_date(std::string_view text) {
  text = trimmed(text);
  const auto first = take_digits(text, 1, 2);
  if (!first || !take_char(text, '/')) return std::nullopt;
  const auto second = take_digits(text, 1, 2);
  if (!second || !take_char(text, '/')) return std::nullopt;
  const auto year_digits =
      static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), is_digit) - text.begin());
  if (year_digits != 2 && year_digits != 4) return std::nullopt;
  const auto year = take_digits(text, year_digits, year_digits);
  if (!year || !text.empty()) return std::nullopt;
  return calendar::WrittenDate{*first, *second, *year, static_cast<int>(year_digits)};
}

std::optional<std::int32_t> read_clock_time(std::string_view text) {
  text = trimmed(text);
  const auto hour = take_digits(text, 1, 2);
  if (!hour || !take_char(text, ':')) return std::nullopt;
  const auto minute = take_digits(text, 2, 2);
  if (!minute || !take_char(text, ':')) return std::nullopt;
  const auto second = take_digits(text, 2, 2);
  if (!second || !text.empty()) return std::nullopt;
  return calendar::time_of_day(*hour, *minute, *second);
}

std::optional<std::int64_t> read_iso_moment(std::string_view text) {
  const auto year = take_digits(text, 4, 4);
  if (!year || !take_char(text, '-')) return std::nullopt;
  const auto month = take_digits(text, 2, 2);
  if (!month || !take_char(text, '-')) return std::nullopt;
  const auto day = take_digits(text, 2, 2);
  if (!day || !(take_char(text, 'T') || take_char(text, ' '))) return std::nullopt;
  const auto hour = take_digits(text, 2, 2);
  if (!hour || !take_char(text, ':')) return std::nullopt;
  const auto minute = take_digits(text, 2, 2);
  if (!minute || !take_char(text, ':')) return std::nullopt;
  const auto second = take_digits(text, 2, 2);
  if (!second || !text.empty()) return std::nullopt;
  const auto clock = calendar::time_of_day(*hour, *minute, *second);
  if (!clock) return std::nullopt;
  const auto date = calendar::civil_day({*month, *day, *year, 4}, calendar::DateOrder::month_first);
  if (!date) return std::nullopt;
  return midnight_seconds(*date) + *clock;
}

std::int64_t midnight_seconds(sys_days day) {
  return std::chrono::duration_cast<seconds>(day.time_since_epoch()).count();
}

std::int64_t day_number(std::int64_t value) {
  return std::chrono::floor<days>(moment_of(value)).time_since_epoch().count();
}

CivilTime civil_time(std::int64_t value) {
  const sys_seconds moment = moment_of(value);
  const sys_days day = std::chrono::floor<days>(moment);
  const std::chrono::year_month_day date{day};
  const std::chrono::hh_mm_ss clock{moment - day};
  return {static_cast<int>(date.year()),
          static_cast<unsigned>(date.month()),
          static_cast<unsigned>(date.day()),
          static_cast<int>(clock.hours().count()),
          static_cast<int>(clock.minutes().count()),
          static_cast<int>(clock.seconds().count())};
}

std::string iso_time(std::int64_t value) {
  return calendar::iso_date_time(moment_of(value), ' ');
}

std::string iso_day(std::int64_t value) {
  return calendar::iso_date(std::chrono::floor<days>(moment_of(value)));
}

}  // namespace vortelin::overview
