// Calendar dates as instruments write them (two parts in the file's order and
// a year), turned into days and seconds on one time line through <chrono>,
// and written back as ISO 8601 text.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace vortelin::calendar {

// Which of a written date's first two parts is the month.
enum class DateOrder { month_first, day_first };

// A date as written: its first two parts in the file's order, and the year
// with the number of digits it was written with (2 or 4).
struct WrittenDate {
  int first = 0;
  int second = 0;
  int year = 0;
  int year_digits = 4;

  friend bool operator==(const WrittenDate&, const WrittenDate&) = default;
};

// The year a written year stands for: two digits are 20yy below 70 and 19yy
// from 70; four digits are as written. nullopt for 0000, which is no year.
std::optional<int> full_year(int year, int digits);

// The calendar day of `date` read in `order`; nullopt when there is no such
// day (month 13, 30 February, year 0000).
std::optional<std::chrono::sys_days> civil_day(const WrittenDate& date, DateOrder order);

// Seconds since midnight of hours, minutes and seconds when they are a time of
// day (0-23, 0-59, 0-59).
std::optional<std::int32_t> time_of_day(int hours, int minutes, int seconds);

// "2026-02-05".
std::string iso_date(std::chrono::sys_days day);

// "2026-02-05T17:48:02", or with another separator between date and time.
std::string iso_date_time(std::chrono::sys_seconds moment, char separator = 'T');

// The latest moment the time line holds: 9999-12-31 23:59:59.
std::chrono::sys_seconds last_moment();

}  // namespace vortelin::calendar
