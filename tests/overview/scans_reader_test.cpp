// Reading the scans table: columns found by name, every row read whole or left
// out with the reason, notes on what a reader should know, and the same table
// whatever pieces the bytes arrive in.
#include "overview/scans_reader.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "overview/civil_time.hpp"
#include "overview/lane_marks.hpp"

namespace vortelin::overview {
namespace {

constexpr std::string_view kHeader =
    "export,sample,start,end,duration_s,set_point,delta_t,whole,since_change_s,stable,ccn_file\r\n";

// Each sample as its title shows it, each row left out as "line N: reason".
std::vector<std::string> described(const ScansTable& table) {
  std::vector<std::string> lines;
  for (const Sample& sample : table.samples) {
    std::string entry = "line " + std::to_string(sample.line) + ": ";
    append_sample_entry(entry, table, sample);
    lines.push_back(entry);
  }
  for (const LeftOut& row : table.left_out) {
    lines.push_back("line " + std::to_string(row.line) + " left out: " + row.reason + " [" +
                    row.file + "][" + row.sample + "]");
  }
  return lines;
}

TEST(OverviewScansReader, ReadsEachRowWholeOrLeavesItOutWithTheReason) {
  const std::string bytes =
      std::string(kHeader) +
      "smps_0514.txt,1,2005-05-14T09:12:01,2005-05-14T09:14:16,135,0.2,4.5,yes,12,1.000,c.csv\r\n"
      "\"a, \"\"b\"\".txt\",2,2005-05-14T09:14:16,,,,,,,,\r\n"
      "\r\n"
      "smps_0514.txt,3,2005-05-14T23:59:00,2005-05-15T00:01:15,135,5e-05,4.5,no,0,0.667,c.csv\r\n"
      "x.txt,4,2005-05-14 10:00:00,2005-05-14T10:02:15,135,0.2345,4.5,,,,\r\n"
      "x.txt,5,05/14/05 10:00:00,,,,,,,,\r\n"
      "x.txt,6,2005-05-14T10:00:00,2005-05-14T09:00:00,,,,,,,\r\n"
      "x.txt,7,2005-05-14T10:00:00,tomorrow,,,,,,,\r\n"
      "x.txt,8,2005-05-14T10:00:00,,,0.2%,,,,,\r\n"
      "x.txt,9,2005-05-14T10:00:00,,,nan,,,,,\r\n"
      "x.txt,10,2005-05-14T10:00:00,,,,,maybe,,,\r\n"
      "x.txt,11,2005-05-14T10:00:00,,,,,,1.5,,\r\n"
      "x.txt,12,2005-05-14T10:00:00,,,,,,,one,\r\n"
      "x.txt,13,2005-05-14T10:00:00,,,\r\n"
      "\"x.txt\"x,14,2005-05-14T10:00:00,,,,,,,,\r\n";
  const ScansTable table = parse_scans(bytes);
  ASSERT_EQ(table.outcome, ScansTable::Outcome::read);
  // Long entries are split in two literals on purpose.
  // NOLINTBEGIN(bugprone-suspicious-missing-comma)
  const std::vector<std::string> expected{
      "line 2: smps_0514.txt sample 1: 2005-05-14 09:12:01 to 2005-05-14 09:14:16, set point 0.2 "
      "%, whole: yes, 12 s since the change, stable 1.000",
      "line 3: a, \"b\".txt sample 2: 2005-05-14 09:14:16, no end, no set point",
      "line 5: smps_0514.txt sample 3: 2005-05-14 23:59:00 to 2005-05-15 00:01:15, set point "
      "5e-05 %, whole: no, 0 s since the change, stable 0.667",
      "line 6: x.txt sample 4: 2005-05-14 10:00:00 to 2005-05-14 10:02:15, set point 0.2345 %",
      "line 7 left out: start is not a date and time [x.txt][5]",
      "line 8 left out: it ends before it starts [x.txt][6]",
      "line 9 left out: end is not a date and time [x.txt][7]",
      "line 10 left out: set_point is not a number [x.txt][8]",
      "line 11 left out: set_point is not a number [x.txt][9]",
  };
  // NOLINTEND(bugprone-suspicious-missing-comma)
  EXPECT_EQ(described(table), expected);
  EXPECT_EQ(table.left_out_count, 10u);  // five named, the rest counted
  EXPECT_TRUE(table.notes.empty());
  ASSERT_EQ(table.exports.size(), 3u);
  EXPECT_EQ(table.samples[2].export_index, 0u);
}

TEST(OverviewScansReader, FindsColumnsByNameAndSaysWhatIsMissing) {
  struct Case {
    const char* what;
    std::string bytes;
    ScansTable::Outcome outcome;
    std::vector<std::string> read;
    std::vector<std::string> notes;
  };
  const std::string row = "x.txt,1,2005-05-14T10:00:00,2005-05-14T10:02:15\r\n";
  const Case cases[] = {
      {"reordered, unknown columns, a byte-order mark",
       "\xEF\xBB\xBFstart,comment,sample,export,end\r\n2005-05-14T10:00:00,\"a,b\",1,x.txt,\r\n",
       ScansTable::Outcome::read,
       {"line 2: x.txt sample 1: 2005-05-14 10:00:00, no end, no set point"},
       {"has no columns set_point, whole, since_change_s, stable: taken as empty"}},
      {"without a column to place a sample",
       "export,sample,end\r\n",
       ScansTable::Outcome::not_a_table,
       {},
       {}},
      {"a header only", std::string(kHeader), ScansTable::Outcome::read, {}, {}},
      {"empty", "", ScansTable::Outcome::read, {}, {}},
      {"lines ended by a CR alone",
       "export,sample,start,end\r" + row.substr(0, row.size() - 2) + "\r",
       ScansTable::Outcome::read,
       {"line 2: x.txt sample 1: 2005-05-14 10:00:00 to 2005-05-14 10:02:15, no set point"},
       {"has no columns set_point, whole, since_change_s, stable: taken as empty",
        "has lines ended by a CR alone: read as line ends"}},
      {"a name that is not UTF-8",
       "export,sample,start,end\r\nx\xE9.txt,1,2005-05-14T10:00:00,\r\n",
       ScansTable::Outcome::read,
       {"line 2: x\xEF\xBF\xBD.txt sample 1: 2005-05-14 10:00:00, no end, no set point"},
       {"has no columns set_point, whole, since_change_s, stable: taken as empty",
        "names an export or a sample in bytes that are not UTF-8 on 1 row: shown as U+FFFD"}},
  };
  for (const Case& c : cases) {
    const ScansTable table = parse_scans(c.bytes);
    EXPECT_EQ(table.outcome, c.outcome) << c.what;
    EXPECT_EQ(described(table), c.read) << c.what;
    EXPECT_EQ(table.notes, c.notes) << c.what;
  }
  EXPECT_EQ(parse_scans("export,sample,end\r\n").error, "its first line names no column start");
}

TEST(OverviewScansReader, AnySplitGivesTheSameTable) {
  std::string bytes(kHeader);
  for (int k = 1; k <= 40; ++k) {
    bytes += "\"smps, " + std::to_string(k % 3) + "\"," + std::to_string(k) +
             ",2005-05-14T10:" + (k < 10 ? "0" : "") + std::to_string(k) +
             ":00,,,0.2,4.5,,,0.500,\r\n";
  }
  bytes += "\"cut,2005";  // a last row whose quote never closes
  const std::vector<std::string> whole = described(parse_scans(bytes));
  ASSERT_EQ(whole.size(), 41u);
  std::mt19937 random(20250219);
  for (int round = 0; round < 200; ++round) {
    ScansReading reading;
    for (std::string_view rest = bytes; !rest.empty();) {
      const std::size_t piece = std::min<std::size_t>(rest.size(), 1 + random() % 23);
      reading.feed(rest.substr(0, piece));
      rest.remove_prefix(piece);
    }
    EXPECT_EQ(described(reading.finish()), whole);
  }
}

}  // namespace
}  // namespace vortelin::overview
