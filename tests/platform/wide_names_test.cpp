#include "platform/wide_names.hpp"

#include <gtest/gtest.h>

#include <string>

namespace vortelin {
namespace {

TEST(WideNames, OnlyWellFormedUtf8BeyondAsciiIsOpenedWide) {
  struct Case {
    std::string text;
    bool expected;
  };
  const Case cases[] = {
      {"", false},
      {"plain.csv", false},  // ASCII goes the old way
      {"M\xC3\xA4rz.csv", true},
      {"na\xC3\xAFve data.csv", true},
      {"\xE6\xB8\xAC\xE9\x87\x8F_0514.csv", true},
      {"\xF0\x9F\x8C\xA7.csv", true},   // U+1F327, four bytes
      {"\xF4\x8F\xBF\xBF", true},       // U+10FFFF, the last code point
      {"\xEF\xBB\xBFlist.txt", true},   // a byte-order mark is a character like any other
      {"M\xE4rz.csv", false},           // Latin-1 / Windows-1252
      {"M\x84rz.csv", false},           // the console's OEM code page
      {"\x91\xAA\x97\xCA.csv", false},  // Shift JIS
      {"\xC3", false},                  // cut after the lead byte
      {"\xE6\xB8", false},              // cut inside a sequence
      {"\xC3\xA4\x80", false},          // a stray continuation byte
      {"\xC0\xAF", false},              // overlong "/"
      {"\xE0\x80\xAF", false},          // overlong, three bytes
      {"\xF0\x80\x80\xAF", false},      // overlong, four bytes
      {"\xED\xA0\x80", false},          // a UTF-16 surrogate
      {"\xF4\x90\x80\x80", false},      // past U+10FFFF
      {"\xF5\x80\x80\x80", false},      // no such lead byte
      {"\xE6"
       "a\xAC",
       false},  // an ASCII byte inside a sequence
      {std::string("a\0\xC3\xA4", 4), true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(is_utf8_beyond_ascii(c.text), c.expected) << testing::PrintToString(c.text);
    EXPECT_EQ(!wide_name(c.text).empty(), c.expected) << testing::PrintToString(c.text);
  }
}

TEST(WideNames, Utf16OfEveryLength) {
  struct Case {
    std::string name;
    std::u16string expected;
  };
  const Case cases[] = {
      {"M\xC3\xA4rz.csv", u"M\u00E4rz.csv"},
      {"\xDF\xBF", u"\u07FF"},  // the last two-byte character
      {"\xE6\xB8\xAC\xE9\x87\x8F_0514.csv", u"\u6E2C\u91CF_0514.csv"},
      {"\xEF\xBB\xBFlist.txt", u"\uFEFFlist.txt"},  // a byte-order mark stays a character
      {"\xEE\x80\x80", u"\uE000"},                  // past the surrogates
      {"\xF0\x9F\x8C\xA7.csv", u"\U0001F327.csv"},  // a surrogate pair
      {"\xF0\x90\x80\x80", u"\U00010000"},
      {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
      {std::string("a\0\xC3\xA4", 4), std::u16string(u"a\0\u00E4", 3)},
      {"plain.csv", u""},  // the code-page calls take these
      {"M\xE4rz.csv", u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(wide_name(c.name), c.expected) << testing::PrintToString(c.name);
  }
}

}  // namespace
}  // namespace vortelin
