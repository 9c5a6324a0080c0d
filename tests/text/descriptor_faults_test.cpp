// The record reader, the answer read and the table writer through descriptors
// that misbehave as real ones may (see fake_descriptor.hpp): whatever the
// faults, the records, what is left for the next reader and the table's bytes
// are those of a well-behaved file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/expect_fatal.hpp"
#include "support/fake_descriptor.hpp"
#include "text/in_channel.hpp"
#include "text/out_channel.hpp"

namespace vortelin {
namespace {

using test_support::FakeDescriptor;
using test_support::kFakeCalls;

// How a fake misbehaves.
struct Faults {
  const char* what;
  std::size_t most_per_call = test_support::kNoLimit;
  bool interrupted = false;
};

const Faults kFaults[] = {
    {"well behaved"},
    {"one byte a call", 1},
    {"interrupted", test_support::kNoLimit, true},
    {"seven bytes a call, interrupted", 7, true},
};

void misbehave(FakeDescriptor& fake, const Faults& faults) {
  fake.most_per_call = faults.most_per_call;
  fake.interrupted = faults.interrupted;
}

// Every record as "text|terminated|cut", read through a buffer just larger
// than the longest field, so long lines take the long-line path.
std::vector<std::string> records_through(FakeDescriptor& fake) {
  std::vector<char> buffer(kMaxFieldLength + 1);
  RecordReader reader(fake.fd, buffer, kFakeCalls);
  std::vector<std::string> got;
  RawRecord record;
  while (reader.next(kMaxFieldLength, record) == Fetch::record) {
    got.push_back(std::string(record.text) + "|" + std::to_string(record.terminated) + "|" +
                  std::to_string(record.cut));
  }
  return got;
}

TEST(DescriptorFaults, RecordsDoNotDependOnHowReadsBehave) {
  const std::string long_line(10000, 'L');
  const std::string inputs[] = {
      "",
      "a\nbb\r\n\ncc",
      "cr at a read's end\r\r\nx\r",
      long_line + "\r\n" + long_line.substr(0, 2999) + "\r\r\nlast\n",
  };
  for (const std::string& input : inputs) {
    FakeDescriptor plain;
    plain.bytes = input;
    const std::vector<std::string> expected = records_through(plain);
    for (const Faults& faults : kFaults) {
      SCOPED_TRACE(testing::PrintToString(input.substr(0, 20)) + ", " + faults.what);
      FakeDescriptor fake;
      fake.bytes = input;
      misbehave(fake, faults);
      EXPECT_EQ(records_through(fake), expected);
    }
  }
}

TEST(DescriptorFaults, AFailingReadIsFatalWithTheSystemsReason) {
  FakeDescriptor fake;
  fake.bytes = "first\nsecond\n";
  fake.read_error_at = 8;
  fake.most_per_call = 4;
  std::vector<char> buffer(kMaxFieldLength + 1);
  IoTrace trace;
  InChannel channel;
  attach(channel, 20, "x.csv", fake.fd, buffer, false, trace, kFakeCalls);
  RawRecord record;
  EXPECT_EQ(read_record(channel, 64, Handling::none, record), Outcome::record);
  EXPECT_EQ(record.text, "first");
  EXPECT_FATAL(read_record(channel, 64, Handling::none, record), "read: Input/output error");
  close(channel);
  EXPECT_EQ(fake.closes, 1);
}

// The answer read takes its line and leaves the rest where the next reader
// starts, whether the input is a disk file (read ahead, then moved back) or
// anything else (read a byte at a time), including a Windows pipe or console
// whose runtime seeks claim to work.
TEST(DescriptorFaults, TheAnswerReadLeavesTheRestForTheNextReader) {
  const HandleType types[] = {HandleType::disk, HandleType::pipe, HandleType::character,
                              HandleType::unknown};
  const std::string input = "list.txt\r\nrest 1\nrest 2";
  for (const HandleType type : types) {
    for (const Faults& faults : kFaults) {
      SCOPED_TRACE(std::string(faults.what) + ", handle type " +
                   std::to_string(static_cast<int>(type)));
      FakeDescriptor fake;
      fake.bytes = input;
      fake.type = type;
      misbehave(fake, faults);
      std::vector<char> buffer(kMaxFieldLength + 1);
      IoTrace trace;
      InChannel answer;
      attach(answer, 5, "", fake.fd, buffer, true, trace, kFakeCalls);
      RawRecord record;
      ASSERT_EQ(read_shared_record(answer, 64, Handling::none, record), Outcome::record);
      EXPECT_EQ(record.text, "list.txt");
      EXPECT_EQ(fake.rest(), "rest 1\nrest 2");
    }
  }
}

// A file that cannot be moved back after reading ahead: the answer is right,
// and what was read ahead stays with the channel rather than being dropped.
TEST(DescriptorFaults, AFailedStepBackKeepsWhatWasReadAhead) {
  FakeDescriptor fake;
  fake.bytes = "list.txt\nrest 1\nrest 2\n";
  fake.step_back_fails = true;
  std::vector<char> buffer(kMaxFieldLength + 1);
  IoTrace trace;
  InChannel answer;
  attach(answer, 5, "", fake.fd, buffer, true, trace, kFakeCalls);
  RawRecord record;
  ASSERT_EQ(read_shared_record(answer, 64, Handling::none, record), Outcome::record);
  EXPECT_EQ(record.text, "list.txt");
  ASSERT_EQ(read_record(answer, 64, Handling::none, record), Outcome::record);
  EXPECT_EQ(record.text, "rest 1");
}

class TableThroughFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    table_.attach(11, "scn_smps.dat", fake_.fd, OutFile::table, false, trace_, kFakeCalls);
  }
  void TearDown() override { table_.close_quietly(); }

  FakeDescriptor fake_;
  IoTrace trace_;
  OutChannel table_;
};

TEST_F(TableThroughFaults, ShortAndInterruptedWritesLoseAndRepeatNothing) {
  const std::string long_row(70000, 'w');  // longer than the channel's buffer
  for (const Faults& faults : kFaults) {
    SCOPED_TRACE(faults.what);
    fake_.bytes.clear();
    misbehave(fake_, faults);
    table_.attach(11, "scn_smps.dat", fake_.fd, OutFile::table, false, trace_, kFakeCalls);
    write_formatted(table_, " header");
    write_formatted(table_, long_row);
    write_formatted(table_, " row");
    table_.close();
    EXPECT_EQ(fake_.bytes, " header\r\n" + long_row + "\r\n row\r\n");
  }
}

// A device that fills up in the middle of a line: the failure is fatal, the
// unwritten bytes stay committed (never written twice), and closing cuts the
// table to its whole lines.
TEST_F(TableThroughFaults, AWriteFailingHalfWayLeavesWholeLinesOnly) {
  fake_.room = 12;
  fake_.most_per_call = 5;
  write_formatted(table_, " header");
  write_formatted(table_, " row 1");
  EXPECT_FATAL(table_.flush(), "write: No space left on device");
  EXPECT_EQ(fake_.bytes, " header\r\n ro");
  EXPECT_EQ(table_.committed(), 5u);  // "w 1\r\n" and nothing more
  EXPECT_EQ(table_.kept(), 9u);
  table_.close_quietly();
  EXPECT_EQ(fake_.bytes, " header\r\n");
  EXPECT_EQ(fake_.closes, 1);
}

}  // namespace
}  // namespace vortelin
