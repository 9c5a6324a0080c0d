// Dates and clock times as the tables write them, read from their text, and
// seconds on one time line (since 1970-01-01, on the tables' own clock). The
// calendar itself is <chrono>'s, through the shared calendar library.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/civil_date.hpp"

namespace vortelin::overview {

constexpr std::int64_t kSecondsPerDay = 86400;

// "5/14/05", "05/14/2005", "27/02/18", with blanks or tabs around: the two
// parts in their written order and the year as written; nullopt for anything
// else (a blank field, asterisks, a cut year, another shape).
std::optional<calendar::WrittenDate> read_written_date(std::string_view text);

// "10:00:00" or "9:05:00", with blanks or tabs around, as seconds since
// midnight; nullopt for anything else, or an hour, minute or second out of range.
std::optional<std::int32_t> read_clock_time(std::string_view text);

// "2005-05-14T10:00:12" (or with a blank for the T), as the scans table
// writes its times, in seconds; nullopt for anything else or a day that does
// not exist.
std::optional<std::int64_t> read_iso_moment(std::string_view text);

// Seconds at the midnight that starts `day`.
std::int64_t midnight_seconds(std::chrono::sys_days day);

// The day holding `seconds` (days since 1970-01-01, rounded down).
std::int64_t day_number(std::int64_t seconds);

struct CivilTime {
  int year = 1970;
  unsigned month = 1;  // 1 to 12
  unsigned day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The calendar date and clock time of `seconds`.
CivilTime civil_time(std::int64_t seconds);

// "2005-05-14 10:00:00".
std::string iso_time(std::int64_t seconds);

// "2005-05-14".
std::string iso_day(std::int64_t seconds);

}  // namespace vortelin::overview
