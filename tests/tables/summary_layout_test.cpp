// The summary tables' row layouts against the writer.
#include "tables/summary_layout.hpp"

#include <gtest/gtest.h>

#include <string>

#include "tables/summary_tables.hpp"

namespace vortelin {
namespace {

// A row's bytes after the file name match the layout readers find fields by.
bool matches(std::string_view row, std::string_view file, std::string_view tail) {
  const std::string head = std::string(1, kTableLineStart) + "\"" + std::string(file);
  if (!row.starts_with(head) || row.size() != head.size() + tail.size()) return false;
  row.remove_prefix(head.size());
  for (std::size_t i = 0; i < tail.size(); ++i) {
    if (tail[i] != '#' && tail[i] != row[i]) return false;
  }
  return true;
}

TEST(SummaryLayout, TheWritersRowsHaveTheLayoutReadersExpect) {
  std::string row;
  for (const float up : {120.0F, 0.0F, 1e9F}) {
    format_row(
        SmpsRow{"a \"b\".txt", "05/14/05 ", "05/14/05", "10:00:00", "10:05:00", 1000, up, -4.5F},
        row);
    EXPECT_TRUE(matches(row, "a \"b\".txt", kSmpsRowTail)) << row;
    format_row(CcnRow{"c.csv", "         ", "        ", "10:00:00", up, 4.5F}, row);
    EXPECT_TRUE(matches(row, "c.csv", kCcnRowTail)) << row;
  }
}

}  // namespace
}  // namespace vortelin
