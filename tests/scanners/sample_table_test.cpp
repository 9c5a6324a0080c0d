#include "scanners/sample_table.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vortelin {
namespace {

using words::Setting;

constexpr std::size_t kNo = kNoColumn;

// The same text in every way a reader may pass it: whole, in two pieces split
// at each place, and byte by byte.
std::vector<std::vector<std::string_view>> splits_of(std::string_view text) {
  std::vector<std::vector<std::string_view>> splits{{text}};
  for (std::size_t at = 1; at < text.size(); ++at) {
    splits.push_back({text.substr(0, at), text.substr(at)});
  }
  std::vector<std::string_view> bytes;
  for (std::size_t at = 0; at < text.size(); ++at) bytes.push_back(text.substr(at, 1));
  splits.push_back(bytes);
  return splits;
}

std::string describe(const std::optional<TableLayout>& layout) {
  if (!layout) return "no header";
  const auto column = [](std::size_t c) { return c == kNo ? std::string("-") : std::to_string(c); };
  return "date " + column(layout->date) + ", time " + column(layout->start_time) +
         (layout->time_after_date ? " after date" : "") + ", settings " +
         column(layout->settings[0]) + " " + column(layout->settings[1]) + " " +
         column(layout->settings[2]);
}

std::string many_bins(int count) {
  std::string bins;
  for (int i = 0; i < count; ++i) bins += std::to_string(10 + i) + ".34\t";
  return bins;
}

TEST(HeaderTitles, LayoutWhereverTheRowIsSplit) {
  struct Case {
    std::string row;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"Sample #\tDate\tStart Time\tScan Time (s)\tRetrace Time (s)\tScans Per Sample",
       "date 1, time 2, settings 3 4 5"},
      {"Sample #,  Date  ,Start Time ,Scan Up Time(s),Retrace Time(s)",
       "date 1, time 2, settings 3 4 -"},
      {"Scan Number,DateTime Sample Start,Test Name,DMA V Ramping Up (TUP) (s),"
       "DMA V Ramping Down (TDOWN) (s),11.34,11.76",
       "date 1, time 1 after date, settings 3 4 -"},
      // A "Scan Number" header needs its date-and-time column.
      {"Scan Number\tDate\tStart Time", "no header"},
      {"Scan Number\tDate\tDateTime Sample Start", "date 1, time 2 after date, settings - - -"},
      {"Sample #\tDateTime Sample Start\tDate\tStart Time",
       "date 1, time 1 after date, settings - - -"},
      // The first column of a role counts.
      {"Sample #\tDate\tDate\tStart Time\tStart Time\tScan Time (s)\tScan Up Time(s)",
       "date 1, time 3, settings 5 - -"},
      {"Sample #\tDate", "no header"},
      {"Sample #\tDa te\tStart Time", "no header"},
      {"Sample #\tDate\tStart  Time", "no header"},
      // A cell that merely starts or ends like a title is none; so is one with a tab.
      {"Sample #\tDDate\tXStart Time\tDate\tStart Time\tDate x", "date 3, time 4, settings - - -"},
      {"Sample #,Date\t,Start Time,Date,Scans Per Sample,", "date 3, time 2, settings - - 4"},
      {"Sample #\tDMA V Ramping Down (TDOWN) (s)x\tDate\tStart Time",
       "date 2, time 3, settings - - -"},
      {"Sample #\t\t  \tDate\t\tStart Time\t", "date 3, time 5, settings - - -"},
      // Titles far out in a row of size bins.
      {"Sample #\t" + many_bins(300) + "Date\tStart Time\t" + many_bins(5) + "Retrace Time (s)",
       "date 301, time 302, settings - 308 -"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    const std::optional<HeaderOpening> opening = header_opening(c.row);
    ASSERT_TRUE(opening);
    for (const auto& pieces : splits_of(c.row)) {
      HeaderTitles titles(*opening);
      for (const std::string_view piece : pieces) titles.feed(piece);
      ASSERT_EQ(describe(titles.end()), c.expected) << "in " << pieces.size() << " pieces";
    }
  }
}

TEST(HeaderTitles, OpeningWords) {
  EXPECT_EQ(header_opening("Sample #,Date")->separator, ',');
  EXPECT_EQ(header_opening("Scan Number\tDate")->separator, '\t');
  EXPECT_TRUE(header_opening("Scan Number\t")->start->needs_date_and_time);
  for (const std::string_view head : {"Sample # \tDate", "Scan Numbers\tDate", "Scan Number",
                                      " Sample #\tDate", "sample #\tDate"}) {
    EXPECT_FALSE(header_opening(head)) << head;
  }
}

// The date and time a row's cells give under a layout whose date and start
// time share one date-and-time column (1), or have their own (1 and 2).
TEST(SampleCells, DateAndTimeCells) {
  TableLayout shared;
  shared.separator = ',';
  shared.date = 1;
  shared.start_time = 1;
  shared.time_after_date = true;
  TableLayout own = shared;
  own.start_time = 2;
  own.time_after_date = false;
  TableLayout after_date_column = shared;  // a date column, then a date-and-time column
  after_date_column.start_time = 2;
  struct Case {
    const TableLayout* layout;
    std::string row;
    std::string expected;  // date, time; "-" for none
  };
  const std::vector<Case> cases = {
      {&shared, "1,05/02/2026 17:48:02,x", "05/02/26 17:48:02"},
      {&shared, " 12 ,5/2/2026 5:48:02 PM", "05/02/26 17:48:02"},
      {&shared, "3,05/02/2026 12:01:00 AM,", "05/02/26 00:01:00"},
      {&shared, "3,17:48:02 05/02/2026 ", "05/02/26 -"},  // no time after the date
      {&shared, "3,17:48:02 05/02/2026 17:50:00", "05/02/26 17:50:00"},
      {&shared, "3,17:48:02", "- -"},
      {&shared, "3,5/2/26T09:00:00", "05/02/26 09:00:00"},
      {&shared, "3,05/02/2026:17:48:02", "05/02/26 -"},  // a time touching its separator
      {&shared, "3,05/02/2026", "05/02/26 -"},
      {&own, "4,05/02/2026 17:48:02,17:49:00", "05/02/26 17:49:00"},
      {&own, "4,,3:00:00 PM", "- 15:00:00"},
      {&after_date_column, "5,06/02/2026,05/02/2026 17:48:02", "06/02/26 17:48:02"},
      {&after_date_column, "5,06/02/2026,17:48:02", "06/02/26 -"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    for (const auto& pieces : splits_of(c.row)) {
      SampleCells cells;
      cells.begin(*c.layout, false);
      for (const std::string_view piece : pieces) cells.feed(piece);
      cells.end();
      ASSERT_TRUE(cells.sample_row());
      const std::string got = (cells.date() ? std::string(cells.date()->view()) : "-") + " " +
                              (cells.time() ? std::string(cells.time()->view()) : "-");
      ASSERT_EQ(got, c.expected) << "in " << pieces.size() << " pieces";
    }
  }
}

TEST(SampleCells, SettingsCellsOfTheFirstRow) {
  TableLayout layout;
  layout.date = 1;
  layout.start_time = 2;
  layout.settings = {4, 3, kNo};
  SampleCells cells;
  cells.begin(layout, true);
  cells.feed("1\t2/5/26\t10:00:00\t \t 314.0 \t9");
  cells.end();
  EXPECT_TRUE(cells.setting(Setting::scan_up).present);
  EXPECT_EQ(cells.setting(Setting::scan_up).text, "314.0 ");
  EXPECT_TRUE(cells.setting(Setting::retrace).present);
  EXPECT_TRUE(cells.setting(Setting::retrace).blanks_only);
  EXPECT_FALSE(cells.setting(Setting::scans).present);
}

}  // namespace
}  // namespace vortelin
