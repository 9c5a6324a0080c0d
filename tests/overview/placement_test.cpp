// Rows placed on the time line: the date order of a table, segments past
// midnight, and the rows that cannot be placed.
#include "overview/placement.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "overview/bar_merge.hpp"

namespace vortelin::overview {
namespace {

TableRow ccn_row(std::size_t line, const std::string& file, const std::string& date,
                 const std::string& start, const std::string& end, const std::string& set_point) {
  return {line, "\"" + file + "\" \"" + date + "\" \"" + start + "\" \"" + end + "\"  " +
                    set_point + "    4.500"};
}

TableRow smps_row(std::size_t line, const std::string& first_date, const std::string& last_date,
                  const std::string& first_time, const std::string& last_time) {
  return {line, "\"s.txt\" \"" + first_date + "\" \"" + last_date + "\" \"" + first_time + "\" \"" +
                    last_time + "\"   1  120.0   15.0"};
}

std::int64_t at(std::int64_t year, int month, int day, int seconds) {
  return days_from_civil(year, month, day) * kSecondsPerDay + seconds;
}

TEST(OverviewPlacement, TheDateOrderIsDayFirstOnlyWhenAskedOrWhenItMustBe) {
  const std::vector<TableRow> month_first{
      smps_row(2, "02/03/25 ", "02/03/25", "10:00:00", "11:00:00")};
  const std::vector<TableRow> must_be_day_first{
      smps_row(2, "02/03/25 ", "02/03/25", "10:00:00", "11:00:00"),
      smps_row(3, "27/02/18 ", "28/02/18", "10:00:00", "11:00:00")};
  Placement p = place_smps(month_first, DateOrderChoice::detect);
  ASSERT_EQ(p.bars.size(), 1u);
  EXPECT_EQ(p.bars[0].start, at(2025, 2, 3, 36000));
  EXPECT_FALSE(p.day_first_detected);
  p = place_smps(month_first, DateOrderChoice::day_first);
  EXPECT_EQ(p.bars[0].start, at(2025, 3, 2, 36000));
  p = place_smps(must_be_day_first, DateOrderChoice::detect);
  EXPECT_TRUE(p.day_first_detected);
  ASSERT_EQ(p.bars.size(), 2u);
  EXPECT_EQ(p.bars[0].start, at(2025, 3, 2, 36000));
  EXPECT_EQ(p.bars[1].end, at(2018, 2, 28, 39600));
}

TEST(OverviewPlacement, SegmentsRunPastMidnight) {
  const std::vector<TableRow> rows{
      ccn_row(2, "c.csv", "05/14/05 ", "23:50:00", "23:59:00", "   0.200"),
      ccn_row(3, "c.csv", "05/14/05 ", "23:59:00", "00:08:00", "   0.400"),  // ends next day
      ccn_row(4, "c.csv", "05/14/05 ", "00:08:00", "00:17:00", "   0.600"),  // continues it
      ccn_row(5, "d.csv", "05/14/05 ", "00:17:00", "00:20:00", "   0.600"),  // another file
      ccn_row(6, "c.csv", "05/14/05 ", "10:00:00", "10:00:00", "   0.200"),  // one record
  };
  const Placement p = place_ccn(rows, DateOrderChoice::detect);
  ASSERT_EQ(p.bars.size(), 5u);
  EXPECT_EQ(p.bars[1].start, at(2005, 5, 14, 86340));
  EXPECT_EQ(p.bars[1].end, at(2005, 5, 15, 480));
  EXPECT_EQ(p.bars[2].start, at(2005, 5, 15, 480));
  EXPECT_EQ(p.bars[2].end, at(2005, 5, 15, 1020));
  EXPECT_EQ(p.bars[3].start, at(2005, 5, 14, 1020));
  EXPECT_EQ(p.bars[4].start, p.bars[4].end);
  EXPECT_DOUBLE_EQ(p.bars[2].set_point, 0.6);
}

TEST(OverviewPlacement, RowsThatCannotBePlacedAreLeftOutWithTheirReason) {
  const std::vector<TableRow> ccn{
      ccn_row(2, "a", "         ", "10:00:00", "10:00:12", "   0.200"),
      ccn_row(3, "b", "02/30/25 ", "10:00:00", "10:00:12", "   0.200"),
      ccn_row(4, "c", "05/14/05 ", "10:0\x01:00", "10:00:12", "   0.200"),
      ccn_row(5, "d", "05/14/05 ", "10:00:00", "        ", "   0.200"),
      ccn_row(6, "e", "05/14/05 ", "10:00:00", "10:00:12", "********"),
      ccn_row(7, "f", "05/14/05 ", "10:00:00", "10:00:12", "     inf"),
      ccn_row(8, "g", "05/14/05 ", "10:00:00", "10:00:12", "   1e300"),
      ccn_row(9, "h", "05/14/05 ", "10:00:00", "10:00:12", "  -0.100"),
  };
  const Placement p = place_ccn(ccn, DateOrderChoice::detect);
  ASSERT_EQ(p.bars.size(), 1u);
  EXPECT_DOUBLE_EQ(p.bars[0].set_point, -0.1);
  const std::vector<std::string> reasons{"blank start date",
                                         "no such start date in month/day/year",
                                         "malformed start time",
                                         "blank end time",
                                         "the set point is not a number",
                                         "the set point is not a number",
                                         "the set point is not a number"};
  ASSERT_EQ(p.left_out.size(), reasons.size());
  for (std::size_t k = 0; k < reasons.size(); ++k) {
    EXPECT_EQ(p.left_out[k].reason, reasons[k]);
    EXPECT_EQ(p.left_out[k].line, k + 2);
    EXPECT_EQ(p.left_out[k].file, std::string(1, static_cast<char>('a' + k)));
  }
  const Placement smps = place_smps({smps_row(2, "05/15/05 ", "05/14/05", "10:00:00", "10:00:00"),
                                     smps_row(3, "05/14/05 ", "05/14/05", "        ", "10:00:00")},
                                    DateOrderChoice::detect);
  EXPECT_TRUE(smps.bars.empty());
  ASSERT_EQ(smps.left_out.size(), 2u);
  EXPECT_EQ(smps.left_out[0].reason, "the last scan is before the first");
  EXPECT_EQ(smps.left_out[1].reason, "blank first time");
}

TEST(OverviewMerge, NarrowBarsMergeWithinTheirSetPointButNeverAcrossAGap) {
  // One pixel per hour: five-minute segments cycling through two set points,
  // then two hours with no data, then one more segment of each.
  std::vector<Bar> bars;
  std::vector<std::size_t> groups;
  for (std::int64_t k = 0; k < 12; ++k) {
    bars.push_back({k * 300, k * 300 + 300, 0, bars.size()});
    groups.push_back(static_cast<std::size_t>(k % 2));
  }
  bars.push_back({std::int64_t{3} * 3600, std::int64_t{3} * 3600 + 300, 0, bars.size()});
  groups.push_back(0);
  bars.push_back({std::int64_t{3} * 3600 + 300, std::int64_t{3} * 3600 + 600, 0, bars.size()});
  groups.push_back(1);
  const std::vector<Mark> coarse = merge_marks(bars, groups, {0, 1.0 / 3600, 0});
  ASSERT_EQ(coarse.size(), 4u);
  std::size_t listed = 0;
  for (const Mark& mark : coarse) listed += mark.bars.size();
  EXPECT_EQ(listed, bars.size());
  EXPECT_EQ(coarse[0].bars, (std::vector<std::size_t>{0, 2, 4, 6, 8, 10}));
  EXPECT_EQ(coarse[1].bars, (std::vector<std::size_t>{1, 3, 5, 7, 9, 11}));
  // At one pixel per second every segment shows on its own.
  EXPECT_EQ(merge_marks(bars, groups, {0, 1.0, 0}).size(), bars.size());
}

}  // namespace
}  // namespace vortelin::overview
