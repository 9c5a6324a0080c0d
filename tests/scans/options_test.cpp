// The command line: what runs, what is a wrong command line.
#include "scans/options.hpp"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace vortelin::scans {
namespace {

struct Case {
  std::vector<std::string_view> args;
  Request request;
  std::vector<std::string> paths = {};
  std::string output = {};
  std::int64_t offset = 0;
  calendar::OrderOption order = calendar::OrderOption::none;
};

TEST(ParseArguments, TakesOptionsAnywhereBeforeTheEnd) {
  using calendar::OrderOption;
  const Case cases[] = {
      {{}, Request::run},
      {{"a", "--day-first", "@l", "-"},
       Request::run,
       {"a", "@l", "-"},
       "",
       0,
       OrderOption::day_first},
      {{"--month-first", "--month-first"}, Request::run, {}, "", 0, OrderOption::month_first},
      {{"-o", "x.csv", "-oy.csv"}, Request::run, {}, "y.csv"},
      {{"-o", "-"}, Request::run, {}, "-"},
      {{"--ccn-offset", "-30", "d"}, Request::run, {"d"}, "", -30},
      {{"--ccn-offset=+3155760000"}, Request::run, {}, "", 3155760000},
      {{"--", "-o", "--help"}, Request::run, {"-o", "--help"}},
      {{"x", "--help", "--version"}, Request::help, {"x"}},
      {{"-V"}, Request::version},
      {{"--day-first", "--month-first"}, Request::usage_error},
      {{"--help", "--bogus"}, Request::usage_error},
      {{"-x"}, Request::usage_error},
      {{"--output", "x"}, Request::usage_error},
      {{"-o"}, Request::usage_error},
      {{"-o", ""}, Request::usage_error},
      {{"--ccn-offset"}, Request::usage_error},
      {{"--ccn-offset="}, Request::usage_error},
      {{"--ccn-offset=1.5"}, Request::usage_error},
      {{"--ccn-offset", "abc"}, Request::usage_error},
      {{"--ccn-offset", "3155760001"}, Request::usage_error},
      {{"--ccn-offset", "- 5"}, Request::usage_error},
      {{"--ccn-offsets=5"}, Request::usage_error},
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
