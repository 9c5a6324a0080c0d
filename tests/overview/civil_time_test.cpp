// Dates and clock times read from the tables' text: the summary tables' written
// dates, whose order each row decides, and the scans table's ISO times.
#include "overview/civil_time.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace vortelin::overview {
namespace {

using calendar::WrittenDate;

TEST(OverviewDates, ReadsTheTablesDateFieldsAsWritten) {
  const std::pair<std::string_view, std::optional<WrittenDate>> cases[] = {
      {"05/14/05 ", WrittenDate{5, 14, 5, 2}},
      {"5/14/05", WrittenDate{5, 14, 5, 2}},
      {"05/14/2005", WrittenDate{5, 14, 2005, 4}},
      {" \t27/02/18\t", WrittenDate{27, 2, 18, 2}},  // tabs and blanks around
      {"13/31/05", WrittenDate{13, 31, 5, 2}},       // no such day either way: the row decides
      {"00/00/00", WrittenDate{0, 0, 0, 2}},
      {"         ", std::nullopt},
      {"", std::nullopt},
      {"*********", std::nullopt},
      {"05/14/200", std::nullopt},  // a four-digit year cut to three
      {"05/14/2005x", std::nullopt},
      {"05/14/05 1", std::nullopt},
      {"05-14-05", std::nullopt},
      {"005/14/05", std::nullopt},
      {"05/14\t/05", std::nullopt},  // a tab inside
      {"05\xff"
       "14/05",
       std::nullopt},
      {"1/5", std::nullopt},
  };
  for (const auto& [text, date] : cases) {
    EXPECT_EQ(read_written_date(text), date) << "date: [" << text << "]";
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

TEST(OverviewDates, ReadsTheScansTablesTimesAndWritesThemBack) {
  const std::pair<std::string_view, std::optional<std::string_view>> cases[] = {
      {"2005-05-14T10:00:12", "2005-05-14 10:00:12"},
      {"2005-05-14 10:00:12", "2005-05-14 10:00:12"},
      {"2024-02-29T23:59:59", "2024-02-29 23:59:59"},
      {"1969-12-31T23:59:59", "1969-12-31 23:59:59"},  // before 1970: days round down
      {"9999-12-31T23:59:59", "9999-12-31 23:59:59"},
      {"0001-01-01T00:00:00", "0001-01-01 00:00:00"},
      {"2025-02-29T10:00:00", std::nullopt},
      {"2025-13-01T10:00:00", std::nullopt},
      {"0000-01-01T00:00:00", std::nullopt},
      {"2005-05-14T24:00:00", std::nullopt},
      {"2005-05-14T9:00:00", std::nullopt},
      {"2005-05-14T10:00:12Z", std::nullopt},
      {"2005-5-14T10:00:12", std::nullopt},
      {"05/14/05 10:00:12", std::nullopt},
      {" 2005-05-14T10:00:12", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [text, iso] : cases) {
    const auto moment = read_iso_moment(text);
    ASSERT_EQ(moment.has_value(), iso.has_value()) << "time: [" << text << "]";
    if (moment) {
      EXPECT_EQ(iso_time(*moment), *iso);
    }
  }
  const auto noon = read_iso_moment("2005-05-14T12:00:00");
  ASSERT_TRUE(noon);
  EXPECT_EQ(iso_day(*noon), "2005-05-14");
  EXPECT_EQ(day_number(*noon) * kSecondsPerDay, *noon - std::int64_t{12} * 3600);
  EXPECT_EQ(day_number(-1), -1);
}

}  // namespace
}  // namespace vortelin::overview
