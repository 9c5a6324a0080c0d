// Well-formed UTF-8, and the summary tables' row layouts against the writer.
#include "tables/utf8_sequence.hpp"

#include <gtest/gtest.h>

#include <string>

#include "tables/summary_layout.hpp"
#include "tables/summary_tables.hpp"

namespace vortelin {
namespace {

TEST(Utf8Sequence, TellsWellFormedSequencesFromStrayBytes) {
  struct Case {
    std::string_view text;
    std::size_t length;  // of the sequence at its start
  };
  const Case cases[] = {
      {"a", 1},
      {"\x7F", 1},
      {"\xC3\xA9", 2},          // é
      {"\xE2\x82\xAC", 3},      // €
      {"\xF0\x9F\x98\x80", 4},  // U+1F600
      {"\xF4\x8F\xBF\xBF", 4},  // U+10FFFF
      {"", 0},
      {"\x80", 0},              // a continuation byte alone
      {"\xC0\xAF", 0},          // overlong
      {"\xE0\x9F\xBF", 0},      // overlong
      {"\xED\xA0\x80", 0},      // a surrogate
      {"\xF4\x90\x80\x80", 0},  // past U+10FFFF
      {"\xE2\x82", 0},          // cut short
      {"\xC3(", 0},
      {"\xFF", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(utf8_sequence_length(c.text), c.length) << testing::PrintToString(c.text);
    EXPECT_EQ(is_well_formed_utf8(c.text), c.length == c.text.size())
        << testing::PrintToString(c.text);
  }
  EXPECT_TRUE(is_well_formed_utf8("ccn_\xC3\xA9t\xC3\xA9.csv"));
  EXPECT_FALSE(is_well_formed_utf8("ccn_\xE9t\xE9.csv"));  // a code page's é
}

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
