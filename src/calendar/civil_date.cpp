#include "calendar/civil_date.hpp"

#include <array>
#include <charconv>

namespace vortelin::calendar {

namespace {

// Appends `value` as exactly `width` digits, padded with zeros.
void append_digits(std::string& out, long long value, int width) {
  std::array<char, 24> digits{};
  const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  const auto length = static_cast<int>(end - digits.data());
  if (error != std::errc{}) return;
  for (int pad = length; pad < width; ++pad) out += '0';
  out.append(digits.data(), end);
}

}  // namespace

std::optional<int> full_year(int year, int digits) {
  if (digits == 2) return year < 70 ? 2000 + year : 1900 + year;
  if (year == 0) return std::nullopt;
  return year;
}

std::optional<std::chrono::sys_days> civil_day(const WrittenDate& date, DateOrder order) {
  const std::optional<int> year = full_year(date.year, date.year_digits);
  if (!year) return std::nullopt;
  const int month = order == DateOrder::month_first ? date.first : date.second;
  const int day = order == DateOrder::month_first ? date.second : date.first;
  if (month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
  const std::chrono::year_month_day ymd{std::chrono::year{*year},
                                        std::chrono::month{static_cast<unsigned>(month)},
                                        std::chrono::day{static_cast<unsigned>(day)}};
  if (!ymd.ok()) return std::nullopt;
  return std::chrono::sys_days{ymd};
}

std::optional<std::int32_t> time_of_day(int hours, int minutes, int seconds) {
  if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59) {
    return std::nullopt;
  }
  return hours * 3600 + minutes * 60 + seconds;
}

std::string iso_date(std::chrono::sys_days day) {
  const std::chrono::year_month_day ymd{day};
  std::string text;
  append_digits(text, static_cast<int>(ymd.year()), 4);
  text += '-';
  append_digits(text, static_cast<unsigned>(ymd.month()), 2);
  text += '-';
  append_digits(text, static_cast<unsigned>(ymd.day()), 2);
  return text;
}

std::string iso_date_time(std::chrono::sys_seconds moment, char separator) {
  const auto day = std::chrono::floor<std::chrono::days>(moment);
  const std::chrono::hh_mm_ss clock{moment - day};
  std::string text = iso_date(day);
  text += separator;
  append_digits(text, clock.hours().count(), 2);
  text += ':';
  append_digits(text, clock.minutes().count(), 2);
  text += ':';
  append_digits(text, clock.seconds().count(), 2);
  return text;
}

std::chrono::sys_seconds last_moment() {
  using namespace std::chrono;
  return sys_days{year{9999} / December / 31} + hours{23} + minutes{59} + seconds{59};
}

}  // namespace vortelin::calendar
