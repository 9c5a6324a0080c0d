// Dates and clock times read from the tables' raw fields, and the calendar.
#include "overview/civil_time.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace vortelin::overview {
namespace {

struct DateCase {
  std::string_view text;
  std::optional<std::int64_t> month_first;  // days since 1970-01-01
  std::optional<std::int64_t> day_first;
};

TEST(OverviewDates, ReadsTheTablesDateFieldsInEitherOrder) {
  const std::int64_t may14 = days_from_civil(2005, 5, 14);
  const std::int64_t feb27 = days_from_civil(2018, 2, 27);
  const DateCase cases[] = {
      {"05/14/05 ", may14, std::nullopt},
      {"5/14/05", may14, std::nullopt},
      {"05/14/2005", may14, std::nullopt},
      {" \t05/14/05\t", may14, std::nullopt},  // tabs and blanks around
      {"27/02/18 ", std::nullopt, feb27},
      {"02/03/25", days_from_civil(2025, 2, 3), days_from_civil(2025, 3, 2)},
      {"02/29/24", days_from_civil(2024, 2, 29), std::nullopt},  // leap year
      {"02/29/25", std::nullopt, std::nullopt},
      {"12/31/99", days_from_civil(2099, 12, 31), std::nullopt},  // two digits: 2000-2099
      {"01/01/00", days_from_civil(2000, 1, 1), days_from_civil(2000, 1, 1)},
      {"00/00/00", std::nullopt, std::nullopt},
      {"13/13/25", std::nullopt, std::nullopt},
      {"         ", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
      {"*********", std::nullopt, std::nullopt},
      {"05/14/200", std::nullopt, std::nullopt},  // a four-digit year cut to three
      {"05/14/2005x", std::nullopt, std::nullopt},
      {"05/14/05 1", std::nullopt, std::nullopt},
      {"05-14-05", std::nullopt, std::nullopt},
      {"005/14/05", std::nullopt, std::nullopt},
      {"05/14\t/05", std::nullopt, std::nullopt},  // a tab inside
      {"05\xff"
       "14/05",
       std::nullopt, std::nullopt},
      {"1/5", std::nullopt, std::nullopt},
  };
  for (const DateCase& c : cases) {
    const auto parts = read_date_parts(c.text);
    const auto as = [&](DateOrder order) {
      return parts ? day_number(*parts, order) : std::optional<std::int64_t>();
    };
    EXPECT_EQ(as(DateOrder::month_first), c.month_first) << "date: [" << c.text << "]";
    EXPECT_EQ(as(DateOrder::day_first), c.day_first) << "date: [" << c.text << "]";
  }
}

TEST(OverviewDates, ReadsClockTimes) {
  const std::pair<std::string_view, std::optional<std::int32_t>> cases[] = {
      {"10:00:12", 36012},           {"00:00:00", 0},
      {"23:59:59", 86399},           {"9:05:00 ", 32700},
      {"\t10:00:00", 36000},         {"24:00:00", std::nullopt},
      {"10:60:00", std::nullopt},    {"10:00:60", std::nullopt},
      {"10:5    ", std::nullopt},    {"1542    ", std::nullopt},
      {"        ", std::nullopt},    {"10:0\x00:00", std::nullopt},
      {"10:00\r02", std::nullopt},   {"100:00:00", std::nullopt},
      {"10:00:00 PM", std::nullopt},
  };
  for (const auto& [text, seconds] : cases) {
    EXPECT_EQ(read_clock_time(text), seconds) << "time: [" << text << "]";
  }
}

TEST(OverviewDates, CalendarRoundTripsOverFourHundredYears) {
  EXPECT_EQ(days_from_civil(1970, 1, 1), 0);
  EXPECT_EQ(days_from_civil(2000, 3, 1), 11017);
  EXPECT_EQ(iso_time(days_from_civil(2005, 5, 14) * kSecondsPerDay + 36012), "2005-05-14 10:00:12");
  EXPECT_EQ(iso_time(-1), "1969-12-31 23:59:59");
  for (std::int64_t day = days_from_civil(1900, 1, 1); day < days_from_civil(2300, 1, 1); ++day) {
    const CivilTime t = civil_time(day * kSecondsPerDay);
    ASSERT_EQ(days_from_civil(t.year, t.month, t.day), day);
  }
}

}  // namespace
}  // namespace vortelin::overview
