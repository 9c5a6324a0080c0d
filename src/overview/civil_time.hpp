// Calendar dates and clock times as the tables write them, read from their raw
// text, and the seconds they stand for on one proleptic Gregorian time line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vortelin::overview {

constexpr std::int64_t kSecondsPerDay = 86400;

// Which of a date's first two parts is the month.
enum class DateOrder { month_first, day_first };

// A date's three parts as written, the year already widened to four digits
// (two-digit years are 2000 to 2099).
struct DateParts {
  int first = 0;
  int second = 0;
  int year = 0;
};

// "5/14/05", "05/14/2005", "27/02/18", with blanks or tabs around; nullopt for
// anything else (a blank field, asterisks, a cut year, another shape).
std::optional<DateParts> read_date_parts(std::string_view text);

// Days since 1970-01-01 of `parts` read in `order`; nullopt when there is no
// such day (month 13, 30 February).
std::optional<std::int64_t> day_number(const DateParts& parts, DateOrder order);

// "10:00:00" or "9:05:00", with blanks or tabs around, as seconds since
// midnight; nullopt for anything else, or an hour, minute or second out of range.
std::optional<std::int32_t> read_clock_time(std::string_view text);

struct CivilTime {
  std::int64_t year = 1970;
  int month = 1;  // 1 to 12
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Days since 1970-01-01 of a calendar date (month 1 to 12, any day number).
std::int64_t days_from_civil(std::int64_t year, int month, int day);

// The calendar date and clock time of seconds since 1970-01-01.
CivilTime civil_time(std::int64_t seconds);

// "2005-05-14 10:00:00".
std::string iso_time(std::int64_t seconds);

}  // namespace vortelin::overview
