// Splitting a campaign into days: which days hold data, a bar across midnight
// in both days, the runs of days without data, and when a campaign needs strips.
#include "overview/day_split.hpp"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "overview/civil_time.hpp"

namespace vortelin::overview {
namespace {

// Seconds of day `day` (since 1970-01-01) at hh:mm.
std::int64_t at(std::int64_t day, int hour, int minute = 0) {
  return day * kSecondsPerDay + std::int64_t{hour} * 3600 + std::int64_t{minute} * 60;
}

Bar bar(std::int64_t start, std::int64_t end) {
  return {start, end, 0, 0, false};
}

TEST(OverviewDaySplit, BarsCoverTheDaysFromTheirStartToTheirEnd) {
  struct Case {
    const char* what;
    Bar bar;
    std::int64_t first;
    std::int64_t last;
  };
  const Case cases[] = {
      {"within a day", bar(at(100, 10), at(100, 11)), 100, 100},
      {"a moment", bar(at(100, 10), at(100, 10)), 100, 100},
      {"at midnight", bar(at(100, 0), at(100, 0)), 100, 100},
      {"across midnight", bar(at(100, 23, 50), at(101, 0, 10)), 100, 101},
      {"ending at midnight", bar(at(100, 23), at(101, 0)), 100, 100},
      {"over three days", bar(at(100, 12), at(102, 12)), 100, 102},
      {"before 1970", bar(at(-1, 23), at(0, 1)), -1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(first_day(c.bar), c.first) << c.what;
    EXPECT_EQ(last_day(c.bar), c.last) << c.what;
  }
}

TEST(OverviewDaySplit, FindsTheDaysWithDataAndTheBarsOfEach) {
  const std::vector<Bar> samples{bar(at(100, 10), at(100, 11)),
                                 bar(at(100, 23, 50), at(101, 0, 10)), bar(at(113, 9), at(113, 9))};
  const std::vector<Bar> segments{bar(at(101, 1), at(101, 2)), bar(at(130, 0), at(131, 0))};
  const std::array<std::span<const Bar>, 2> lanes{samples, segments};
  const DaysWithData found = days_with_data(lanes, 100);
  EXPECT_EQ(found.days, (std::vector<std::int64_t>{100, 101, 113, 130}));
  EXPECT_EQ(found.beyond_limit, 0);
  const DaysWithData limited = days_with_data(lanes, 2);
  EXPECT_EQ(limited.days, (std::vector<std::int64_t>{100, 101}));
  EXPECT_EQ(limited.beyond_limit, 2);

  const auto on_day = bars_by_day(samples, found.days);
  EXPECT_EQ(on_day[0], (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(on_day[1], (std::vector<std::size_t>{1}));  // across midnight: in both
  EXPECT_EQ(on_day[2], (std::vector<std::size_t>{2}));
  EXPECT_TRUE(on_day[3].empty());

  const Bar evening = cut_to_day(samples[1], 100, 1);
  EXPECT_EQ(evening.start, at(100, 23, 50));
  EXPECT_EQ(evening.end, at(101, 0));
  const Bar night = cut_to_day(samples[1], 101, 1);
  EXPECT_EQ(night.start, at(101, 0));
  EXPECT_EQ(night.end, at(101, 0, 10));
  EXPECT_EQ(night.row, 1u);
}

TEST(OverviewDaySplit, AStripPerDayForMoreThanTwoCalendarDays) {
  const std::vector<Bar> two_days{bar(at(100, 0), at(100, 1)), bar(at(101, 22), at(102, 0))};
  const std::vector<Bar> three_days{bar(at(100, 23), at(102, 0, 1))};
  const std::array<std::span<const Bar>, 1> two{two_days};
  const std::array<std::span<const Bar>, 1> three{three_days};
  EXPECT_FALSE(spans_more_days_than(two, 2));
  EXPECT_TRUE(spans_more_days_than(three, 2));
  EXPECT_FALSE(spans_more_days_than(std::array<std::span<const Bar>, 1>{}, 2));
}

}  // namespace
}  // namespace vortelin::overview
