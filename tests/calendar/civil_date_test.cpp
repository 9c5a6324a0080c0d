// Calendar days of written dates, and their ISO text.
#include "calendar/civil_date.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vortelin::calendar {
namespace {

TEST(CivilDay, ReadsBothOrdersAndRejectsDaysThatDoNotExist) {
  struct Case {
    WrittenDate date;
    DateOrder order;
    std::optional<std::string> iso;
  };
  const Case cases[] = {
      {{5, 14, 5, 2}, DateOrder::month_first, "2005-05-14"},
      {{27, 2, 18, 2}, DateOrder::day_first, "2018-02-27"},
      {{1, 1, 69, 2}, DateOrder::month_first, "2069-01-01"},
      {{1, 1, 70, 2}, DateOrder::month_first, "1970-01-01"},
      {{12, 31, 1899, 4}, DateOrder::month_first, "1899-12-31"},
      {{2, 29, 2000, 4}, DateOrder::month_first, "2000-02-29"},
      {{2, 29, 1900, 4}, DateOrder::month_first, std::nullopt},
      {{2, 30, 26, 2}, DateOrder::month_first, std::nullopt},
      {{13, 1, 26, 2}, DateOrder::month_first, std::nullopt},
      {{0, 1, 26, 2}, DateOrder::day_first, std::nullopt},
      {{1, 1, 0, 4}, DateOrder::month_first, std::nullopt},
      {{1, 1, 0, 2}, DateOrder::month_first, "2000-01-01"},
      {{12, 31, 9999, 4}, DateOrder::month_first, "9999-12-31"},
  };
  for (const Case& c : cases) {
    const auto day = civil_day(c.date, c.order);
    ASSERT_EQ(day.has_value(), c.iso.has_value())
        << c.date.first << "/" << c.date.second << "/" << c.date.year;
    if (day) {
      EXPECT_EQ(iso_date(*day), *c.iso);
    }
  }
}

TEST(CivilDay, WritesMomentsAndTimesOfDay) {
  const auto day = civil_day({12, 31, 2025, 4}, DateOrder::month_first);
  ASSERT_TRUE(day);
  EXPECT_EQ(iso_date_time(*day + std::chrono::seconds{86399}), "2025-12-31T23:59:59");
  EXPECT_EQ(iso_date_time(*day + std::chrono::seconds{86400}, ' '), "2026-01-01 00:00:00");
  EXPECT_EQ(iso_date_time(last_moment()), "9999-12-31T23:59:59");
  EXPECT_EQ(time_of_day(23, 59, 59), 86399);
  EXPECT_FALSE(time_of_day(24, 0, 0));
  EXPECT_FALSE(time_of_day(12, 60, 0));
  EXPECT_FALSE(time_of_day(12, 0, 60));
}

}  // namespace
}  // namespace vortelin::calendar
