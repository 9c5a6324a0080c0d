#include "text/out_channel.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

#include "support/expect_fatal.hpp"
#include "support/temp_files.hpp"

namespace vortelin {
namespace {

class OutChannelTest : public ::testing::Test {
 protected:
  void TearDown() override { table_.close_quietly(); }
  std::string contents() const {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  test_support::TempDir dir_;
  std::string path_ = (dir_.path / "table").string();
  IoTrace trace_;
  OutChannel table_;
};

TEST_F(OutChannelTest, OpeningEmptiesAnOldTableAndCloseCutsToWhatWasWritten) {
  std::ofstream(path_, std::ios::binary) << std::string(500, 'o') << "\n";
  open_table(table_, 11, path_, trace_);
  EXPECT_EQ(contents(), "");  // emptied at once, not only at the close
  trace_ = IoTrace{kListFormat, true, false};
  write_formatted(table_, " row 1");
  EXPECT_TRUE(trace_.format.empty());
  EXPECT_TRUE(trace_.writing);
  write_formatted(table_, std::string(100000, 'w'));  // longer than the channel's buffer
  table_.flush();
  ASSERT_EQ(::pwrite(table_.fd(), "stale", 5, 200000), 5);
  write_formatted(table_, "");
  table_.close();
  EXPECT_FALSE(table_.is_open());
  EXPECT_EQ(contents(), " row 1\r\n" + std::string(100000, 'w') + "\r\n\r\n");
  table_.close();  // not open: nothing happens
}

TEST_F(OutChannelTest, ConsoleChannelFlushesEachLine) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  ASSERT_EQ(::fcntl(fds[0], F_SETFL, O_NONBLOCK), 0);
  for (const bool each_line : {true, false}) {
    SCOPED_TRACE(each_line);
    OutChannel console;
    console.attach(6, "", ::dup(fds[1]), OutFile::table, each_line, trace_);
    write_formatted(console, "Scanning");
    char got[16] = {};
    EXPECT_EQ(::read(fds[0], got, sizeof got), each_line ? 10 : -1);
    console.close();
    EXPECT_EQ(::read(fds[0], got, sizeof got), each_line ? -1 : 10);
    EXPECT_EQ(std::string(got, 10), "Scanning\r\n");
  }
  ::close(fds[0]);
  ::close(fds[1]);
}

TEST_F(OutChannelTest, FullDeviceFailsAtFlushAndAtClose) {
  open_table(table_, 11, "/dev/full", trace_);
  write_formatted(table_, "row");
  EXPECT_FATAL(table_.flush(), "write: No space left on device");
  EXPECT_FATAL(table_.close(), "write: No space left on device");
  EXPECT_EQ(table_.committed(), 5u);  // the unwritten line is kept, never doubled
}

}  // namespace
}  // namespace vortelin
