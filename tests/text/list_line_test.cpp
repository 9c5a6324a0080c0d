#include "text/list_line.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables/summary_tables.hpp"

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

}  // namespace
}  // namespace vortelin
