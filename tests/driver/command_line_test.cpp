#include "driver/command_line.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace vortelin {
namespace {

TEST(CommandLine, OnlyALoneOptionAsksForAText) {
  struct Case {
    std::vector<const char*> arguments;
    Request expected;
  };
  const Case cases[] = {
      {{}, Request::run},
      {{"--help"}, Request::help},
      {{"-h"}, Request::help},
      {{"--version"}, Request::version},
      {{"-V"}, Request::version},
      {{"--help", "--version"}, Request::run},
      {{"-V", "list.txt"}, Request::run},
      {{"--HELP"}, Request::run},
      {{"-v"}, Request::run},
      {{"-hV"}, Request::run},
      {{"--help="}, Request::run},
      {{""}, Request::run},
      {{"list.txt"}, Request::run},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(
        testing::PrintToString(std::vector<std::string>(c.arguments.begin(), c.arguments.end())));
    EXPECT_EQ(request_of(c.arguments), c.expected);
  }
}

// The help fits a terminal: at most 40 lines of at most 79 characters, each
// ended by the line end asked for and nothing else.
TEST(CommandLine, HelpFitsATerminal) {
  for (const std::string line_end : {"\n", "\r\n"}) {
    const std::string text = help_text(line_end);
    ASSERT_TRUE(text.ends_with(line_end));
    std::size_t lines = 0;
    for (std::size_t at = 0; at < text.size(); ++lines) {
      const std::size_t end = text.find(line_end, at);
      ASSERT_NE(end, std::string::npos);
      const std::string line = text.substr(at, end - at);
      EXPECT_LE(line.size(), 79U) << line;
      EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
      at = end + line_end.size();
    }
    EXPECT_LE(lines, 40U);
    EXPECT_EQ(version_text(line_end), "vortelin " VORTELIN_VERSION + line_end);
  }
}

}  // namespace
}  // namespace vortelin
