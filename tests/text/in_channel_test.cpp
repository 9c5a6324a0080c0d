#include "text/in_channel.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/temp_files.hpp"

namespace vortelin {
namespace {

constexpr Handling kEof = Handling::end_of_file;
constexpr Handling kNone = Handling::none;

class InChannelTest : public ::testing::Test {
 protected:
  void TearDown() override { close(channel_); }
  void open_with(const std::string& contents, bool last_line_counts = false) {
    const int fd = test_support::file_holding(contents);
    ASSERT_GE(fd, 0);
    attach(channel_, 20, "x.csv", fd, buffer_, last_line_counts, trace_);
  }
  // "rec:TEXT", "eof" or "fatal:CONTEXT".
  std::string read(Handling handling, std::size_t limit = 4) {
    RawRecord record;
    try {
      const Outcome got = read_record(channel_, limit, handling, record);
      return got == Outcome::record ? "rec:" + std::string(record.text) : "eof";
    } catch (const FatalCondition& condition) {
      EXPECT_EQ(condition.message(), "end of file");
      EXPECT_EQ(condition.state(), "unit 20 named x.csv");
      EXPECT_EQ(condition.trace().format, "(a)");
      return "fatal:" + condition.context();
    }
  }
  std::vector<std::string> all_records() {
    std::vector<std::string> lines;
    for (std::string got; (got = read(kEof, 64)) != "eof";) lines.push_back(got);
    return lines;
  }

  std::vector<char> buffer_ = std::vector<char>(4096);
  IoTrace trace_;
  InChannel channel_;
};

TEST_F(InChannelTest, EndOfFileByHandling) {
  struct Case {
    const char* contents;
    bool last_line_counts;
    std::vector<Handling> reads;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      // A terminated last line, then no line left.
      {"ab\n", false, {kEof, kEof, kEof}, {"rec:ab", "eof", "eof"}},
      {"ab\n", false, {kNone}, {"rec:ab", "fatal:fmt"}},
      {"ab\n", false, {kEof, kEof, kNone}, {"rec:ab", "eof", "fatal:read start"}},
      {"", false, {kEof, kEof}, {"eof", "eof"}},
      {"", false, {kNone}, {"fatal:fmt"}},
      // An unterminated last line shorter than the field.
      {"ab", false, {kEof, kEof}, {"eof", "eof"}},
      {"ab", false, {kNone}, {"fatal:fmt"}},
      // An unterminated last line that fills the field.
      {"abcdef", false, {kEof, kEof}, {"eof", "eof"}},
      {"abcdef", false, {kNone, kNone}, {"rec:abcd", "fatal:read start"}},
      {"x\r\nabcd\r", false, {kNone, kNone}, {"rec:x", "rec:abcd", "fatal:read start"}},
      // The list file and the answer: an unterminated last line is a line.
      {"ab", true, {kEof, kEof}, {"rec:ab", "eof"}},
      {"ab", true, {kNone}, {"rec:ab", "fatal:fmt"}},
      {"a\r\nb\n", true, {kNone, kNone, kEof}, {"rec:a", "rec:b", "eof"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.contents));
    TearDown();
    open_with(c.contents, c.last_line_counts);
    std::vector<std::string> got;
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      got.push_back(read(c.reads[std::min(i, c.reads.size() - 1)]));
    }
    EXPECT_EQ(got, c.expected);
  }
}

TEST_F(InChannelTest, RewindGivesTheFirstRecordAgain) {
  std::string big;
  std::vector<std::string> big_records;
  for (int i = 0; i < 300; ++i) {
    big += "line " + std::to_string(i) + "\r\n";
    big_records.push_back("rec:line " + std::to_string(i));
  }
  const std::string long_line(100000, 'L');
  struct Case {
    const char* what;
    std::string contents;
    int reads_before;  // with end-of-file handling; past the end leaves end of file met
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"small, part read", "a\nb\nc", 1, {"rec:a", "rec:b"}},
      {"small, end met", "a\nb\nc", 5, {"rec:a", "rec:b"}},
      {"big, within the first buffer", big, 3, big_records},
      {"big, past the first buffer", big, 250, big_records},
      {"big, end met", big, 400, big_records},
      {"long first line", long_line + "\nz\n", 1, {"rec:" + long_line.substr(0, 64), "rec:z"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    open_with(c.contents);
    for (int i = 0; i < c.reads_before; ++i) read(kEof);
    rewind(channel_);
    EXPECT_EQ(all_records(), c.expected);
    rewind(channel_);
    EXPECT_EQ(all_records(), c.expected);
  }
}

// A descriptor reading `contents` through a pipe, which cannot be repositioned.
int pipe_holding(const std::string& contents) {
  int ends[2];
  if (::pipe(ends) != 0) return -1;
  const bool written =
      ::write(ends[1], contents.data(), contents.size()) == static_cast<ssize_t>(contents.size());
  ::close(ends[1]);
  if (!written) {
    ::close(ends[0]);
    return -1;
  }
  return ends[0];
}

std::string rest_of(int fd) {
  std::string rest;
  char block[4096];
  for (ssize_t got; (got = ::read(fd, block, sizeof block)) > 0;) {
    rest.append(block, static_cast<std::size_t>(got));
  }
  return rest;
}

TEST_F(InChannelTest, SharedReadLeavesWhatFollowsTheLineEnd) {
  const std::string long_line(10000, 'L');
  std::string many;
  for (int i = 0; i < 3000; ++i) many += "rest " + std::to_string(i) + "\n";
  struct Case {
    std::string contents;
    std::string record;
    std::string rest;
  };
  const Case cases[] = {
      {"ans\nrest\n", "ans", "rest\n"},
      {"ans\r\n" + many, "ans", many},
      {"ans\r\r\nrest", "ans\r", "rest"},
      {"ans", "ans", ""},
      {"\n\nrest", "", "\nrest"},
      {long_line + "\r\n" + many, long_line.substr(0, 64), many},
  };
  for (const bool through_pipe : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::PrintToString(c.contents.substr(0, 20)) +
                   (through_pipe ? " through a pipe" : " from a file"));
      TearDown();
      const int fd =
          through_pipe ? pipe_holding(c.contents) : test_support::file_holding(c.contents);
      ASSERT_GE(fd, 0);
      attach(channel_, 5, "", fd, buffer_, true, trace_);
      RawRecord record;
      ASSERT_EQ(read_shared_record(channel_, 64, kNone, record), Outcome::record);
      EXPECT_EQ(record.text, c.record);
      EXPECT_EQ(rest_of(fd), c.rest);
    }
  }
}

}  // namespace
}  // namespace vortelin
