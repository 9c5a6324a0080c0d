// The command line: what runs, what is a wrong command line.
#include "scans/options.hpp"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace vortelin::scans {
namespace {

struct Case {
  std::vector<std::string_view> args;
  std::vector<std::string> paths = {};
  std::string output = {};
  std::int64_t offset = 0;
  Request request = Request::run;
  calendar::OrderOption order = calendar::OrderOption::none;
};

TEST(ParseArguments, TakesOptionsAnywhereBeforeTheEnd) {
  using calendar::OrderOption;
  const Case cases[] = {
      {.args = {}},
      {.args = {"a", "--day-first", "@l", "-"},
       .paths = {"a", "@l", "-"},
       .order = OrderOption::day_first},
      {.args = {"--month-first", "--month-first"}, .order = OrderOption::month_first},
      {.args = {"-o", "x.csv", "-oy.csv"}, .output = "y.csv"},
      {.args = {"-o", "-"}, .output = "-"},
      {.args = {"--ccn-offset", "-30", "d"}, .paths = {"d"}, .offset = -30},
      {.args = {"--ccn-offset=+3155760000"}, .offset = 3155760000},
      {.args = {"--", "-o", "--help"}, .paths = {"-o", "--help"}},
      {.args = {"x", "--help", "--version"}, .paths = {"x"}, .request = Request::help},
      {.args = {"-V"}, .request = Request::version},
      {.args = {"--day-first", "--month-first"}, .request = Request::usage_error},
      {.args = {"--help", "--bogus"}, .request = Request::usage_error},
      {.args = {"-x"}, .request = Request::usage_error},
      {.args = {"--output", "x"}, .request = Request::usage_error},
      {.args = {"-o"}, .request = Request::usage_error},
      {.args = {"-o", ""}, .request = Request::usage_error},
      {.args = {"--ccn-offset"}, .request = Request::usage_error},
      {.args = {"--ccn-offset="}, .request = Request::usage_error},
      {.args = {"--ccn-offset=1.5"}, .request = Request::usage_error},
      {.args = {"--ccn-offset", "abc"}, .request = Request::usage_error},
      {.args = {"--ccn-offset", "3155760001"}, .request = Request::usage_error},
      {.args = {"--ccn-offset", "- 5"}, .request = Request::usage_error},
      {.args = {"--ccn-offsets=5"}, .request = Request::usage_error},
  };

  for (const Case& c : cases) {
    const Arguments parsed = parse_arguments(c.args);
    std::string line;
    for (const std::string_view arg : c.args) line.append(arg).append(" ");
    EXPECT_EQ(parsed.request, c.request) << line;
    if (c.request == Request::usage_error) {
      EXPECT_FALSE(parsed.error.empty()) << line;
      continue;
    }
    EXPECT_EQ(parsed.options.paths, c.paths) << line;
    EXPECT_EQ(parsed.options.output, c.output) << line;
    EXPECT_EQ(parsed.options.ccn_offset, c.offset) << line;
    EXPECT_EQ(parsed.options.order, c.order) << line;
  }
}

}  // namespace
}  // namespace vortelin::scans
