// The time axis: ticks at round times that suit the span, within it, labelled.
#include "overview/time_axis.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "overview/civil_time.hpp"

namespace vortelin::overview {
namespace {

std::int64_t at(int year, unsigned month, unsigned day, int hour = 0, int minute = 0) {
  const std::chrono::sys_days date{std::chrono::year{year} / std::chrono::month{month} /
                                   std::chrono::day{day}};
  return midnight_seconds(date) + std::int64_t{hour} * 3600 + std::int64_t{minute} * 60;
}

std::vector<std::string> labels(const TimeAxis& axis) {
  std::vector<std::string> out;
  for (const Tick& tick : axis.ticks) out.push_back(tick.label);
  return out;
}

struct AxisCase {
  const char* what;
  std::int64_t first;
  std::int64_t last;
  std::vector<std::string> labels;
  std::string first_context;
};

TEST(OverviewTimeAxis, TicksSuitTheSpan) {
  const AxisCase cases[] = {
      {"a minute",
       at(2005, 5, 14, 10),
       at(2005, 5, 14, 10) + 41,
       {"10:00:00", "10:00:05", "10:00:10", "10:00:15", "10:00:20", "10:00:25", "10:00:30",
        "10:00:35", "10:00:40"},
       "2005-05-14"},
      {"an hour",
       at(2005, 5, 14, 10),
       at(2005, 5, 14, 11),
       {"10:00", "10:10", "10:20", "10:30", "10:40", "10:50", "11:00"},
       "2005-05-14"},
      {"a day",
       at(2005, 5, 14),
       at(2005, 5, 15),
       {"00:00", "03:00", "06:00", "09:00", "12:00", "15:00", "18:00", "21:00", "00:00"},
       "2005-05-14"},
      {"a month",
       at(2025, 2, 1),
       at(2025, 3, 1),
       {"1 Feb", "6 Feb", "11 Feb", "16 Feb", "21 Feb", "26 Feb", "1 Mar"},
       "2025"},
      {"a year",
       at(2025, 1, 1),
       at(2026, 1, 1),
       {"Jan", "Mar", "May", "Jul", "Sep", "Nov", "Jan"},
       "2025"},
      {"twenty years",
       at(2005, 5, 14),
       at(2025, 2, 19),
       {"2005", "2010", "2015", "2020", "2025"},
       ""},
  };
  for (const AxisCase& c : cases) {
    const TimeAxis axis = make_time_axis(c.first, c.last, 9);
    EXPECT_EQ(labels(axis), c.labels) << c.what;
    ASSERT_FALSE(axis.ticks.empty()) << c.what;
    EXPECT_EQ(axis.ticks.front().context, c.first_context) << c.what;
    EXPECT_LE(axis.from, c.first) << c.what;
    EXPECT_GE(axis.to, c.last) << c.what;
    for (const Tick& tick : axis.ticks) {
      EXPECT_TRUE(tick.at >= axis.from && tick.at <= axis.to) << c.what << ": " << tick.label;
    }
  }
}

TEST(OverviewTimeAxis, ContextChangesAtMidnightAndNewYear) {
  const TimeAxis night = make_time_axis(at(2005, 5, 14, 20), at(2005, 5, 15, 4), 9);
  ASSERT_GE(night.ticks.size(), 2u);
  EXPECT_EQ(night.ticks.front().context, "2005-05-14");
  EXPECT_EQ(night.ticks.back().context, "2005-05-15");
  const TimeAxis winter = make_time_axis(at(2024, 11, 1), at(2025, 3, 1), 9);
  EXPECT_EQ(winter.ticks.front().context, "2024");
  EXPECT_EQ(winter.ticks.back().context, "2025");
}

TEST(OverviewTimeAxis, OneMomentAndTheWidestSpansStillGetTicks) {
  const std::int64_t moment = at(2025, 2, 19, 9, 40);
  const TimeAxis single = make_time_axis(moment, moment, 9);
  EXPECT_LT(single.from, moment);
  EXPECT_GT(single.to, moment);
  EXPECT_FALSE(single.ticks.empty());
  const TimeAxis widest = make_time_axis(at(0, 1, 1), at(9999, 12, 31), 9);
  EXPECT_FALSE(widest.ticks.empty());
  EXPECT_LE(widest.ticks.size(), 9u);
  EXPECT_LE(make_time_axis(at(2005, 5, 14), at(2005, 5, 14, 23), 2).ticks.size(), 2u);
}

}  // namespace
}  // namespace vortelin::overview
