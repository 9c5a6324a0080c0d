// The samples of an export, in every layout, and the same samples whatever
// the size of the reads that bring its lines (long lines pass piece by piece).
#include "scans/export_reading.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/temp_files.hpp"

namespace vortelin::scans {
namespace {

// A sample in short: "number date time up/retrace/scans", a setting as its
// value, "-" absent, "." no cell.
std::string summary(const RawSample& sample) {
  std::string text = sample.number + " ";
  text += sample.date ? std::string(sample.date->view()) : "?";
  if (sample.date && sample.date->century[0] != '\0') {
    text.append("(").append(sample.date->century.data(), 2).append(")");
  }
  text += " ";
  text += sample.time ? std::string(sample.time->view()) : "?";
  for (std::size_t s = 0; s < sample.settings.size(); ++s) {
    const SettingCell& cell = sample.settings[s];
    text += s == 0 ? " " : "/";
    if (cell.state == CellState::no_cell) text += ".";
    if (cell.state == CellState::absent) text += "-";
    if (cell.state == CellState::value) {
      text += s == 2 ? std::to_string(cell.integer) : std::to_string(static_cast<int>(cell.real));
    }
  }
  return text;
}

std::vector<std::string> read_with_buffer(const std::string& bytes, std::size_t buffer_size,
                                          ExportReading* whole = nullptr) {
  const int fd = test_support::file_holding(bytes);
  EXPECT_GE(fd, 0);
  std::vector<char> buffer(buffer_size);
  IoTrace trace;
  InChannel channel;
  attach(channel, 0, "export", fd, buffer, true, trace);
  ExportReading reading = read_export(channel);
  close(channel);
  std::vector<std::string> samples;
  for (const RawSample& sample : reading.samples) samples.push_back(summary(sample));
  if (whole != nullptr) *whole = std::move(reading);
  return samples;
}

struct Case {
  const char* name;
  std::string bytes;
  std::vector<std::string> samples;
};

TEST(ReadExport, TakesEverySampleOfEveryLayout) {
  const Case cases[] = {
      {"columns, tab",
       "DMA\nSample #\t1\t2\t\t4\nDate\t05/14/05\t5/15/2005\t05/16/05\nStart Time\t09:12:01\t"
       "3:05:00 PM\nScan Up Time(s)\t120\t\t130\t140\nRetrace Time(s)\t15\tx\nScans Per "
       "Sample\t2.0\t3",
       {"1 05/14/05 09:12:01 120/15/-", "2 05/15/05(20) 15:05:00 -/-/3", "4 ? ? 140/./."}},
      {"columns, comma; only the first line of a label counts",
       "\xEF\xBB\xBFSample #,7, 8 ,x\nDate,1/2/03,1/3/03\nDate,9/9/09,9/9/09\n"
       "Start Time,10:00:00,11:00:00\nScan Time (s),60,60\nSample #,9\n",
       {"7 01/02/03 10:00:00 60/./.", "8 01/03/03 11:00:00 60/./."}},
      {"rows, two tables, a row that ends a table, cells of their own",
       "DMA\nSample #\tDate\tStart Time\tScan Up Time(s)\tScans Per Sample\n"
       "1\t02/19/25\t09:48:00\t300\t\n 2 \t02/19/25\t09:54:00\nMean\tx\n"
       "4\t02/19/25\t10:00:00\t300\t1\nScan Number,DateTime Sample Start,DMA V Ramping Up (TUP) "
       "(s)\n"
       "12,05/02/2026 17:48:02,300.0\n",
       {"1 02/19/25 09:48:00 300/./-", "2 02/19/25 09:54:00 ././.",
        "12 05/02/26(20) 17:48:02 300/./."}},
      {"a header without a date column is no table; a sample number line is",
       "DMA\nSample #\tStart Time\tDate of birth\n1\t10:00:00\t01/01/01\n",
       {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(read_with_buffer(c.bytes, 65536), c.samples) << c.name;
  }
}

TEST(ReadExport, FileValuesComeFromTheFirstNonEmptyFieldOfALabel) {
  ExportReading reading;
  read_with_buffer("Retrace Time (s),,  ,4.5,5\nRetrace Time (s),9\nScan Up Time(s),abc,1\n", 65536,
                   &reading);
  EXPECT_EQ(reading.labelled[0].state, CellState::absent);
  EXPECT_EQ(reading.labelled[1].state, CellState::value);
  EXPECT_EQ(reading.labelled[1].real, 4.5F);
  EXPECT_EQ(reading.labelled[2].state, CellState::no_cell);
}

TEST(ReadExport, LongLinesGiveTheSameSamplesThroughAnyBuffer) {
  // Size bins make the lines far longer than a small buffer.
  std::string bins;
  for (int i = 0; i < 3000; ++i) bins.append("\t").append(std::to_string(i * 7 % 1000));
  std::string columns = "DMA\nSample #\t1\t2\t3";
  columns.append(bins).append("\nDate\t1/1/20\t1/2/20\t1/3/20").append(bins);
  columns.append("\r\nStart Time\t\t00:00:01\t00:00:02").append(bins);
  columns.append("\nScan Up Time(s)");
  for (int i = 0; i < 2000; ++i) columns.append("\t").append(std::to_string(100 + i));
  std::string comma_bins = bins;
  std::replace(comma_bins.begin(), comma_bins.end(), '\t', ',');
  std::string rows = "Sample #,Date,Start Time";
  rows.append(comma_bins).append(",Scan Up Time(s)\r\n");
  for (int i = 1; i <= 5; ++i) {
    const std::string n = std::to_string(i);
    rows.append(n).append(",1/").append(n).append("/2020,12:00:0").append(n).append(" AM");
    rows.append(comma_bins).append(",").append(std::to_string(i * 10)).append("\r\n");
  }
  for (const std::string& bytes : {columns, rows}) {
    const std::vector<std::string> expected = read_with_buffer(bytes, std::size_t{1} << 22);
    ASSERT_FALSE(expected.empty());
    for (const std::size_t size : {3001U, 4096U, 7919U, 65536U}) {
      EXPECT_EQ(read_with_buffer(bytes, size), expected) << "buffer " << size;
    }
  }
}

}  // namespace
}  // namespace vortelin::scans
