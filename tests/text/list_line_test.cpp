#include "text/list_line.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tables/summary_tables.hpp"
#include "text/out_channel.hpp"

namespace vortelin {
namespace {

using Lines = std::vector<std::string>;

TEST(ListLine, EightyColumnRule) {
  const std::string a40(40, 'a'), b38(38, 'b'), b39(39, 'b'), name64(64, 'n'), long100(100, 'l');
  struct Case {
    const char* what;
    std::initializer_list<std::string_view> items;
    Lines expected;
  };
  const Case cases[] = {
      {"no items", {}, {" "}},
      {"items run together", {"Processing [", "a.txt", "]"}, {" Processing [a.txt]"}},
      {"79 columns fit", {a40, b38}, {" " + a40 + b38}},
      {"80 columns move the item", {a40, b39}, {" " + a40, " " + b39}},
      {"longest processing line", {"Processing [", name64, "]"}, {" Processing [" + name64 + "]"}},
      {"item at line start never moved", {long100}, {" " + long100}},
      {"long item after text", {"x", long100, "y"}, {" x", " " + long100, " y"}},
      {"smps header", {kSmpsHeader}, {" " + std::string(kSmpsHeader)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(list_lines(c.items), c.expected);
  }
}

TEST(ListLine, WritesLinesOrFailsOnAChannelOpenOnlyForReading) {
  const std::string item(100, 'l');
  for (const bool writable : {true, false}) {
    SCOPED_TRACE(writable);
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    IoTrace trace;
    OutChannel out;
    out.attach(11, "scn_smps.dat", fds[1], writable ? OutFile::table : OutFile::unwritable_table,
               false, trace);
    std::string diagnostic;
    try {
      write_list(out, {"x", item, "y"});
    } catch (const FatalCondition& condition) {
      diagnostic = diagnostic_text(condition);
    }
    out.close_quietly();
    std::string got(4096, '\0');
    got.resize(static_cast<std::size_t>(std::max<ssize_t>(0, ::read(fds[0], got.data(), 4096))));
    ::close(fds[0]);
    EXPECT_EQ(trace.format, "list io");
    EXPECT_TRUE(trace.writing);
    EXPECT_EQ(got, writable ? " x\r\n " + item + "\r\n y\r\n" : "");
    EXPECT_EQ(diagnostic, writable ? ""
                                   : "list output start: can't write file\r\n"
                                     "apparent state: unit 11 named scn_smps.dat\r\n"
                                     "last format: list io\r\n"
                                     "lately writing sequential formatted external IO\r\n");
  }
}

}  // namespace
}  // namespace vortelin
