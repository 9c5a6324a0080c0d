// Rows placed on the time line: the order of day and month decided for each
// row from its own evidence, segments past midnight, the rows that cannot be
// placed, and bars merged where they cannot be told apart.
#include "overview/placement.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "overview/bar_merge.hpp"
#include "overview/civil_time.hpp"

namespace vortelin::overview {
namespace {

using calendar::OrderOption;

TableRow ccn_row(std::size_t line, const std::string& file, const std::string& date,
                 const std::string& start, const std::string& end, const std::string& set_point) {
  return {line, "\"" + file + "\" \"" + date + "\" \"" + start + "\" \"" + end + "\"  " +
                    set_point + "    4.500"};
}

TableRow smps_row(std::size_t line, const std::string& file, const std::string& first_date,
                  const std::string& last_date, const std::string& first_time = "10:00:00",
                  const std::string& last_time = "11:00:00") {
  return {line, "\"" + file + "\" \"" + first_date + "\" \"" + last_date + "\" \"" + first_time +
                    "\" \"" + last_time + "\"   1  120.0   15.0"};
}

std::string start_of(const Placement& placement, std::size_t row) {
  for (const Bar& bar : placement.bars) {
    if (bar.row == row) return iso_time(bar.start);
  }
  for (const LeftOut& left : placement.left_out) {
    if (left.line == row + 2) return "left out: " + left.reason;
  }
  return "missing";
}

TEST(OverviewPlacement, EachRowDecidesTheOrderOfItsOwnDates) {
  struct Case {
    std::string file;
    std::string first_date;  // the last date is the same unless given
    std::string last_date;
    OrderOption option;
    std::string start;
  };
  const std::string kContradictory = "left out: its dates are day first and month first";
  const Case cases[] = {
      // Its own dates: a first part over 12 is day first, a second month first.
      {"a.txt", "27/02/18 ", "28/02/18", OrderOption::month_first, "2018-02-27 10:00:00"},
      {"b.txt", "02/27/18 ", "03/01/18", OrderOption::day_first, "2018-02-27 10:00:00"},
      {"c.txt", "01/03/18 ", "28/03/18", OrderOption::none, "2018-03-01 10:00:00"},
      // Both: no order, whatever else tells.
      {"c_130105.txt", "13/31/05 ", "13/31/05", OrderOption::day_first, kContradictory},
      {"d.txt", "13/01/05 ", "01/13/05", OrderOption::none, kContradictory},
      // The name's date stamps, when exactly one reading of the first date is
      // stamped (the tables write two-digit years).
      {"SMPS_3082_20260205_174800.csv", "05/02/26 ", "05/02/26", OrderOption::none,
       "2026-02-05 10:00:00"},
      {"250107-2.txt", "01/07/25 ", "01/07/25", OrderOption::day_first, "2025-01-07 10:00:00"},
      {"run_250701.txt", "01/07/25 ", "01/07/25", OrderOption::none, "2025-07-01 10:00:00"},
      {"run_250701120000.txt", "01/07/25 ", "01/07/25", OrderOption::month_first,
       "2025-07-01 10:00:00"},
      {"250701/run.txt", "01/07/25 ", "01/07/25", OrderOption::none, "2025-01-07 10:00:00"},
      // Then the option, then month first.
      {"x.txt", "02/03/25 ", "02/03/25", OrderOption::day_first, "2025-03-02 10:00:00"},
      {"x.txt", "02/03/25 ", "02/03/25", OrderOption::month_first, "2025-02-03 10:00:00"},
      {"x.txt", "02/03/25 ", "02/03/25", OrderOption::none, "2025-02-03 10:00:00"},
      {"x.txt", "05/05/13 ", "05/05/13", OrderOption::day_first, "2013-05-05 10:00:00"},
      // Two-digit years: 20yy below 70, 19yy from 70.
      {"x.txt", "12/31/69 ", "12/31/69", OrderOption::none, "2069-12-31 10:00:00"},
      {"x.txt", "01/01/70 ", "01/01/70", OrderOption::none, "1970-01-01 10:00:00"},
      // The order decided, a date that does not exist in it.
      {"x.txt", "31/02/18 ", "31/02/18", OrderOption::none,
       "left out: no such first date in day/month/year"},
  };
  for (const Case& c : cases) {
    const Placement smps = place_smps({smps_row(2, c.file, c.first_date, c.last_date)}, c.option);
    EXPECT_EQ(start_of(smps, 0), c.start) << c.file << " " << c.first_date;
    // A CCN row has one date: the cases whose two dates are one.
    if (c.first_date.substr(0, c.last_date.size()) != c.last_date) continue;
    const std::string& date = c.first_date;
    const Placement ccn =
        place_ccn({ccn_row(2, c.file, date, "10:00:00", "10:05:00", "   0.200")}, c.option);
    std::string expected = c.start;
    if (expected.starts_with("left out: no such first")) {
      expected = "left out: no such start date in day/month/year";
    }
    EXPECT_EQ(start_of(ccn, 0), expected) << c.file << " " << date;
  }
}

TEST(OverviewPlacement, ARowsNeighboursNeverDecideItsOrder) {
  // Before: one day-first row turned the table day first, and one row
  // impossible either way dropped every row.
  const std::vector<TableRow> rows{
      smps_row(2, "x.txt", "27/02/18 ", "27/02/18"), smps_row(3, "y.txt", "01/07/25 ", "01/07/25"),
      smps_row(4, "z.txt", "13/31/05 ", "13/31/05"), smps_row(5, "w.txt", "05/14/05 ", "05/14/05")};
  const Placement p = place_smps(rows, OrderOption::none);
  EXPECT_EQ(start_of(p, 0), "2018-02-27 10:00:00");
  EXPECT_EQ(start_of(p, 1), "2025-01-07 10:00:00");
  EXPECT_EQ(start_of(p, 2), "left out: its dates are day first and month first");
  EXPECT_EQ(start_of(p, 3), "2005-05-14 10:00:00");
  EXPECT_EQ(p.dates.day_first, 1u);
  EXPECT_EQ(p.dates.month_first, 2u);
  EXPECT_EQ(p.dates.by_default, 1u);
}

TEST(OverviewPlacement, SegmentsRunPastMidnight) {
  const std::vector<TableRow> rows{
      ccn_row(2, "c.csv", "05/14/05 ", "23:50:00", "23:59:00", "   0.200"),
      ccn_row(3, "c.csv", "05/14/05 ", "23:59:00", "00:08:00", "   0.400"),  // ends next day
      ccn_row(4, "c.csv", "05/14/05 ", "00:08:00", "00:17:00", "   0.600"),  // continues it
      ccn_row(5, "d.csv", "05/14/05 ", "00:17:00", "00:20:00", "   0.600"),  // another file
      ccn_row(6, "c.csv", "05/14/05 ", "10:00:00", "10:00:00", "   0.200"),  // one record
  };
  const Placement p = place_ccn(rows, OrderOption::none);
  ASSERT_EQ(p.bars.size(), 5u);
  EXPECT_EQ(iso_time(p.bars[1].start), "2005-05-14 23:59:00");
  EXPECT_EQ(iso_time(p.bars[1].end), "2005-05-15 00:08:00");
  EXPECT_EQ(iso_time(p.bars[2].start), "2005-05-15 00:08:00");
  EXPECT_EQ(iso_time(p.bars[2].end), "2005-05-15 00:17:00");
  EXPECT_EQ(iso_time(p.bars[3].start), "2005-05-14 00:17:00");
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
  const Placement p = place_ccn(ccn, OrderOption::none);
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
  const Placement smps =
      place_smps({smps_row(2, "s.txt", "05/15/05 ", "05/14/05"),
                  smps_row(3, "s.txt", "05/14/05 ", "05/14/05", "        ", "10:00:00")},
                 OrderOption::none);
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
    bars.push_back({k * 300, k * 300 + 300, 0, bars.size(), false});
    groups.push_back(static_cast<std::size_t>(k % 2));
  }
  bars.push_back({std::int64_t{3} * 3600, std::int64_t{3} * 3600 + 300, 0, bars.size(), false});
  groups.push_back(0);
  bars.push_back(
      {std::int64_t{3} * 3600 + 300, std::int64_t{3} * 3600 + 600, 0, bars.size(), false});
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
