#include "scanners/smps_scanner.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scanners/scanner_harness.hpp"
#include "text/fatal.hpp"

namespace vortelin {
namespace {

// The scan settings block: the key's line and the three lines below it.
std::string settings(const std::string& scan_up, const std::string& retrace,
                     const std::string& scans) {
  return "Scan Up Time(s)" + scan_up + "\nRetrace Time(s)" + retrace + "\nDensity(g/cc)\t1.2\n" +
         "Scans Per Sample" + scans + "\n";
}

struct SmpsCase {
  const char* name;
  std::string contents;
  std::string row;  // the row after the file name, without its line end
};

class SmpsRows : public ::testing::TestWithParam<SmpsCase> {};

TEST_P(SmpsRows, RowFromTheWholeFile) {
  testing::ScannerHarness harness;
  EXPECT_EQ(harness.run(scan_smps, GetParam().contents), R"( "f.txt" )" + GetParam().row + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SmpsRows,
    ::testing::Values(
        SmpsCase{"TabSeparated",
                 "DMA export\nSample #\t1\t2\t3\nDate\t05/14/05\t05/15/05\t05/16/05\n"
                 "Start Time\t09:12:01\t12:00:00\t23:59:30\n" +
                     settings("\t120", "\t15", "\t1"),
                 R"("05/14/05 " "05/16/05" "09:12:01" "23:59:30"   1  120.0   15.0)"},
        SmpsCase{"CommaSeparatedLabelsKeepTheirValues",
                 "Date,05/14/05,05/14/05\r\nStart Time,10:00:00,10:05:00\r\n" +
                     settings(",120", ", 15", " ,3"),
                 R"("05/14/05 " "05/14/05" "10:00:00" "10:05:00"   3  120.0   15.0)"},
        SmpsCase{"SecondCommaIsANull", settings(",,120", "\t15", "\t2"),
                 R"("         " "        " "        " "        "   2    0.0   15.0)"},
        SmpsCase{"OneDigitMonthAndHourAreWholeValues",
                 "Date\t5/14/05\t5/14/2005\nStart Time\t3:05:00\t3:10:00 PM\n",
                 R"("05/14/05 " "05/14/05" "03:05:00" "15:10:00"   0    0.0    0.0)"},
        SmpsCase{"TrailingTabStaysOutOfTheLastValue",
                 "Date\t05/14/05\t05/15/05\t\nStart Time\t10:00:00\n",
                 R"("05/14/05 " "05/15/05" "10:00:00" "10:00:00"   0    0.0    0.0)"},
        SmpsCase{"ShortValueTakesOnlyWhatFollowsIt", "Date 1/5\nStart Time  1:2\n",
                 R"("1/5      " "1/5     " "1:2     " "1:2     "   0    0.0    0.0)"},
        SmpsCase{"NoValueStartKeepsEarlierValues",
                 "Date\t05/14/05\t05/15/05\nDate format: mm/dd/yy\nStart Time: none\n",
                 R"("05/14/05 " "05/15/05" "        " "        "   0    0.0    0.0)"},
        SmpsCase{"LastKeyWins",
                 "Date\t01/01/05\nDate\t02/02/05\t02/03/05\n" + settings("\t60", "\t5", "\t1") +
                     settings("\t90", "\t4.5", "\t12"),
                 R"("02/02/05 " "02/03/05" "        " "        "  12   90.0    4.5)"},
        SmpsCase{"KeysOnOneRecordAllApply",
                 "x Start Time 10:00:00 Date 05/14/05 Scan Up Time(s) 30\n"
                 "Retrace Time(s) 3\nx\nScans Per Sample 2\n",
                 R"("05/14/05 " "05/14/05" "10:00:00" "10:00:00"   2   30.0    3.0)"},
        SmpsCase{"SettingsRecordsAreNotSearched", settings("\t120", "\t15 Date 11/11/11", "\t1"),
                 R"("         " "        " "        " "        "   1  120.0   15.0)"},
        SmpsCase{"WideValuesOverflow", settings("\t123456", "\t-0.04", "\t1000"),
                 R"("         " "        " "        " "        " *** ******    0.0)"},
        SmpsCase{"IntegerSignExponent", settings("\t1.5+2", "\t1.5D1", "\t1+2"),
                 R"("         " "        " "        " "        " 100  150.0   15.0)"},
        SmpsCase{"UnterminatedLastLineIsNotRead", "Date\t05/14/05\nDate\t06/14/05",
                 R"("05/14/05 " "05/14/05" "        " "        "   0    0.0    0.0)"}),
    [](const ::testing::TestParamInfo<SmpsCase>& info) { return info.param.name; });

TEST(SmpsScanner, LastValuesComeFromTheWholeLongRecord) {
  std::string dates = "Date";
  std::string times = "Start Time";
  for (int sample = 0; sample < 600; ++sample) {
    dates += "\t05/" + std::to_string(10 + sample % 20) + "/05";
    times += "\t1" + std::to_string(sample % 10) + ":00:00";
  }
  dates += "\t12/31/05  \n";
  times += "\t23:59:59\r\n";
  ASSERT_GT(dates.size(), 3000U);
  testing::ScannerHarness harness;
  EXPECT_EQ(harness.run(scan_smps, dates + times),
            R"( "f.txt" "05/10/05 " "12/31/05" "10:00:00" "23:59:59"   0    0.0    0.0)"
            "\r\n");
}

TEST(SmpsScanner, FileEndingInsideTheSettingsBlockIsFatal) {
  const std::vector<std::string> endings = {"Scan Up Time(s)\t1\n",
                                            "Scan Up Time(s)\t1\nRetrace Time(s)\t2\n",
                                            "Scan Up Time(s)\t1\nRetrace Time(s)\t2\nx\n"};
  for (const std::string& ending : endings) {
    testing::ScannerHarness harness;
    try {
      harness.run(scan_smps, "Date\t05/14/05\n" + ending);
      ADD_FAILURE() << "no fatal condition for " << ending;
    } catch (const FatalCondition& condition) {
      EXPECT_EQ(std::string(condition.what()), "fmt: end of file");
      EXPECT_EQ(condition.state(), "unit 20 named data");
    }
  }
}

TEST(SmpsScanner, MalformedSettingsAreFatal) {
  struct Case {
    std::string contents;
    std::string first_line;
  };
  const std::vector<Case> cases = {
      {settings("\tn/a", "\t1", "\t1"), "invalid number: incomprehensible list input"},
      {settings("\t1", "\t1", "\t1.0"), "invalid integer: read unexpected character"},
      {settings("\t1", "", "\t1"), "list in: end of file"},
  };
  for (const Case& c : cases) {
    testing::ScannerHarness harness;
    try {
      harness.run(scan_smps, c.contents);
      ADD_FAILURE() << "no fatal condition for " << c.contents;
    } catch (const FatalCondition& condition) {
      EXPECT_EQ(std::string(condition.what()), c.first_line);
    }
  }
}

TEST(SmpsScanner, LabelCommaIsConsumedOnlyOnce) {
  const std::vector<std::pair<std::string, std::string_view>> cases = {
      {",120", "120"},  {" \t,120", "120"}, {",,120", ",120"},
      {"120,", "120,"}, {"", ""},           {" x,1", " x,1"}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(after_label_comma(text), expected) << text;
}

}  // namespace
}  // namespace vortelin
