#include "scanners/ccn_scanner.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scanners/scanner_harness.hpp"
#include "text/fatal.hpp"

namespace vortelin {
namespace {

const std::string kHeader =
    "CCN counter data\n"
    "Date: 05/14/05\n"
    "Firmware 3.1\n"
    "Interval 1\n"
    "Columns: Time, SS, T, dT\n"
    "Comment\n";

// A data record: time, supersaturation, one ignored value, temperature difference.
std::string record(const std::string& time, const std::string& values) {
  return time + "," + values + "\n";
}

std::string row(const std::string& from, const std::string& to, const std::string& numbers) {
  return R"( "f.txt" "05/14/05 " ")" + from + R"(" ")" + to + R"(" )" + numbers + "\r\n";
}

struct SegmentCase {
  const char* name;
  std::vector<std::string> records;
  std::string rows;
};

class Segmentation : public ::testing::TestWithParam<SegmentCase> {};

TEST_P(Segmentation, RowsPerSegment) {
  testing::ScannerHarness harness;
  std::string contents = kHeader;
  for (const std::string& r : GetParam().records) contents += r;
  EXPECT_EQ(harness.run(scan_ccn, contents), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Segmentation,
    ::testing::Values(
        SegmentCase{"OneSegment",
                    {record("10:00:00", "0.2,25,4.5"), record("10:00:01", "0.2,25,4.5"),
                     record("10:00:02", "0.2,25,4.5"), record("10:00:03", "0.2,25,4.5")},
                    row("10:00:00", "10:00:03", "    0.200    4.500")},
        SegmentCase{"ChangesAndReturns",
                    {record("t7:00:00", "0.2,1,4.5"), record("t8:00:00", "0.2,1,4.5"),
                     record("t9:00:00", "0.4,1,7.0"), record("t10:0:00", "0.4,1,7.0"),
                     record("t11:0:00", "0.2,1,4.5")},
                    row("t7:00:00", "t9:00:00", "    0.200    4.500") +
                        row("t9:00:00", "t11:0:00", "    0.400    7.000") +
                        row("t11:0:00", "t11:0:00", "    0.200    4.500")},
        SegmentCase{"SameFloatWrittenDifferently",
                    {record("10:00:00", "0.20,1,1"), record("10:00:01", "0.2,1,1"),
                     record("10:00:02", "2e-1,1,1"), record("10:00:03", "-0.0,1,1"),
                     record("10:00:04", "0.0,1,1")},
                    row("10:00:00", "10:00:03", "    0.200    1.000") +
                        row("10:00:03", "10:00:04", "    0.000    1.000")},
        SegmentCase{"DeltaFromFirstRecordOfSegment",
                    {record("10:00:00", "0.2,1,4.5"), record("10:00:01", "0.2,1,9.9"),
                     record("10:00:02", "0.6,1,8.0"), record("10:00:03", "0.6,1,1.0")},
                    row("10:00:00", "10:00:02", "    0.200    4.500") +
                        row("10:00:02", "10:00:03", "    0.600    8.000")},
        SegmentCase{"NullsRepeatThePreviousRecord",
                    {record("10:00:00", "0.3,1,2.5"), record("10:00:01", ",1,,"),
                     record("10:00:02", " , 1 , 3.5"), record("10:00:03", "0.5,1,,")},
                    row("10:00:00", "10:00:03", "    0.300    2.500") +
                        row("10:00:03", "10:00:03", "    0.500    3.500")},
        SegmentCase{"TabsAndSlash",
                    {record("10:00:00", "0.1\t1\t2"), "10:00:01\t0.1 /\n",
                     record("10:00:02", "0.15 1 2.25 99 99")},
                    row("10:00:00", "10:00:02", "    0.100    2.000") +
                        row("10:00:02", "10:00:02", "    0.150    2.250")},
        // Records that repeat the previous value text are not read again: only
        // texts that differ within what the previous read looked at are.
        SegmentCase{
            "RepeatedValueTexts",
            {record("t0:00:00", "0.2,1,4.5"), record("t1:00:00", "0.2,1,4.5"),
             record("t2:00:00", "0.25,1,4.5"), record("t3:00:00", "3*0.2"),
             record("t4:00:00", "3*0.25"), record("t5:00:00", "3*0.25"), record("t6:00:00", ",1,2"),
             record("t7:00:00", ",1,2"), record("t8:00:00", "0.2500,1,9")},
            row("t0:00:00", "t2:00:00", "    0.200    4.500") +
                row("t2:00:00", "t3:00:00", "    0.250    4.500") +
                row("t3:00:00", "t4:00:00", "    0.200    0.200") +
                row("t4:00:00", "t8:00:00", "    0.250    0.250")},
        SegmentCase{"UnterminatedLastRecordIsNotRead",
                    {record("10:00:00", "0.2,1,1"), record("10:00:01", "0.2,1,1"),
                     record("10:00:02", "0.2,1,1"), "10:00:03,0.9,1,1"},
                    row("10:00:00", "10:00:02", "    0.200    1.000")}),
    [](const ::testing::TestParamInfo<SegmentCase>& info) { return info.param.name; });

TEST(CcnScanner, NullSetPointOnFirstRecordIsZeroInAFreshState) {
  testing::ScannerHarness harness;
  const std::string rows =
      harness.run(scan_ccn, kHeader + record("10:00:00", ",1,2") + record("10:00:01", ",1,2") +
                                record("10:00:02", "0.4,1,3") + record("10:00:03", "0.4,1,3"));
  EXPECT_EQ(rows, row("10:00:00", "10:00:02", "    0.000    2.000") +
                      row("10:00:02", "10:00:03", "    0.400    3.000"));
}

TEST(CcnScanner, DateIsColumnsSevenToFifteenOfRecordTwo) {
  testing::ScannerHarness harness;
  const std::string contents = "x\nDate: 2005-05-14T10\n3\n4\n5\n6\n" +
                               record("10:00:00", "1,1,1") + record("10:00:01", "1,1,1") +
                               record("10:00:02", "1,1,1") + record("10:00:03", "1,1,1");
  EXPECT_EQ(harness.run(scan_ccn, contents),
            R"( "f.txt" "2005-05-1" "10:00:00" "10:00:03"     1.000    1.000)"
            "\r\n");
}

// A fatal condition keeps the rows of earlier segments; the message names the failure.
TEST(CcnScanner, BadRecordsAreFatalAfterEarlierRows) {
  struct Case {
    std::string bad_record;
    std::string first_line;
  };
  const std::vector<Case> cases = {
      {"\n", "list in: end of file"},
      {"10:00:09,0.4\n", "list in: end of file"},
      {"10:00:09,abc,1,1\n", "invalid number: incomprehensible list input"},
  };
  for (const Case& c : cases) {
    testing::ScannerHarness harness;
    const std::string contents = kHeader + record("10:00:00", "0.2,1,1") +
                                 record("10:00:01", "0.2,1,1") + record("10:00:02", "0.3,1,1") +
                                 record("10:00:03", "0.3,1,1") + c.bad_record;
    try {
      harness.run(scan_ccn, contents);
      ADD_FAILURE() << "no fatal condition for " << c.bad_record;
    } catch (const FatalCondition& condition) {
      EXPECT_EQ(std::string(condition.what()), c.first_line);
      EXPECT_EQ(condition.state(), "internal I/O");
    }
  }
}

}  // namespace
}  // namespace vortelin
