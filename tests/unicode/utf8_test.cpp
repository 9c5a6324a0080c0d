// Well-formed UTF-8: sequences of every length, and the bytes that are none.
#include "unicode/utf8.hpp"

#include <gtest/gtest.h>

#include <string_view>

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

}  // namespace
}  // namespace vortelin
