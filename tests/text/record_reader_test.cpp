#include "text/record_reader.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/temp_files.hpp"

namespace vortelin {
namespace {

using namespace std::string_literals;

constexpr std::size_t kBlock = 4096;  // the reader's buffer in these tests

// A cut record shows "<cut END TAIL>" after its text, an unterminated one "<no line end>".
std::string cut_mark(std::uint64_t content_end, std::string_view tail) {
  return "<cut " + std::to_string(content_end) + " " + std::string(tail) + ">";
}

// Every record of `contents`, read through a small buffer.
std::vector<std::string> records_of(const std::string& contents, std::size_t limit) {
  const int fd = test_support::file_holding(contents);
  EXPECT_GE(fd, 0);
  std::vector<char> buffer(kBlock);
  RecordReader reader(fd, buffer);
  std::vector<std::string> got;
  RawRecord record;
  while (reader.next(limit, record) == Fetch::record && got.size() < 10) {
    got.emplace_back(record.text);
    if (record.cut) got.back() += cut_mark(record.tail.content_end, record.tail.view());
    if (!record.terminated) got.back() += "<no line end>";
  }
  ::close(fd);
  return got;
}

TEST(RecordReader, LinesAndLineEnds) {
  struct Case {
    std::string contents;
    std::size_t limit;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"", 64, {}},
      {"\n\n", 64, {"", ""}},
      {"abc\r\nde\n", 64, {"abc", "de"}},
      {"a\rb\n\r\n", 64, {"a\rb", ""}},  // a CR elsewhere is content
      {"a\r\r\n", 64, {"a\r"}},
      {"one\nlast\r", 64, {"one", "last\r<no line end>"}},  // no line end: CR is content
      {"\x1a\xff\n", 64, {"\x1a\xff"}},
      {std::string(70, 'a') + "\nnext\n", 64, {std::string(64, 'a') + "<cut 70 aaaaaaaa>", "next"}},
      {"abcdef \0\r\nx"s, 4, {"abcd<cut 6 abcdef>", "x<no line end>"}},
      {"abcd\n", 4, {"abcd"}},  // exactly the limit is not cut
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.contents));
    EXPECT_EQ(records_of(c.contents, c.limit), c.expected);
  }
}

// `n` bytes that differ from their neighbours, so a wrong offset shows.
std::string body(std::size_t n) {
  std::string text(n, ' ');
  for (std::size_t i = 0; i < n; ++i) text[i] = static_cast<char>('a' + i % 23);
  return text;
}

TEST(RecordReader, LinesLongerThanTheBuffer) {
  const std::size_t at24 = 24 * kBlock;  // a refill boundary, lines starting at offset 0
  const std::string marked = body(99990) + "ABCDEFGH";
  struct Case {
    const char* what;
    std::string line, end;  // the record, and what ends it
    std::uint64_t content_end;
    std::string tail;
  };
  const Case cases[] = {
      {"trailing blanks and NULs", marked + "  \0 \0"s, "\r\n", 99998, "ABCDEFGH"},
      {"tail split by a refill", body(2 * kBlock - 2) + "ABCDEFGH" + std::string(91800, ' '), "\n",
       2 * kBlock + 6, "ABCDEFGH"},
      {"CR LF split by a refill", body(at24 - 9) + "ABCDEFGH", "\r\n", at24 - 1, "ABCDEFGH"},
      {"CR at a refill, then content", body(at24 - 7) + "ABCDEF\rz", "\n", at24 + 1, "ABCDEF\rz"},
      {"CR at a refill, then blanks", body(at24 - 8) + "ABCDEFG\r  ", "\n", at24, "ABCDEFG\r"},
      {"CR LF at the first refill", body(kBlock - 9) + "ABCDEFGH", "\r\n", kBlock - 1, "ABCDEFGH"},
      {"exactly one buffer", body(kBlock - 8) + "ABCDEFGH", "\n", kBlock, "ABCDEFGH"},
      {"longer than the field only", body(3492) + "ABCDEFGH", "\r\n", 3500, "ABCDEFGH"},
      {"all blanks", std::string(100000, ' '), "\n", 0, ""},
      {"no line end, CR at a refill", body(at24 - 8) + "ABCDEFG\r", "", at24, "ABCDEFG\r"},
      {"no line end", marked, "", 99998, "ABCDEFGH"},
  };
  for (const std::size_t limit : {kMaxFieldLength, std::size_t{9}}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.what);
      std::vector<std::string> expected{c.line.substr(0, limit) + cut_mark(c.content_end, c.tail)};
      if (c.end.empty()) {
        expected.back() += "<no line end>";
      } else {
        expected.emplace_back("next");
      }
      EXPECT_EQ(records_of(c.line + c.end + (c.end.empty() ? "" : "next\n"), limit), expected);
    }
  }
}

// Every line of `contents` as the reader hands it over through a small buffer:
// a line held whole as it is, a longer one as the pieces its sink received.
std::vector<std::string> lines_of(const std::string& contents) {
  const int fd = test_support::file_holding(contents);
  EXPECT_GE(fd, 0);
  std::vector<char> buffer(kBlock);
  RecordReader reader(fd, buffer);
  std::string joined;
  const LineSink sink{[](void* context, std::string_view piece) {
                        static_cast<std::string*>(context)->append(piece);
                      },
                      &joined};
  std::vector<std::string> got;
  RawRecord record;
  while (reader.next(kMaxFieldLength, record, &sink) == Fetch::record && got.size() < 10) {
    got.push_back(record.whole ? std::string(record.line) : joined);
    if (!record.terminated) got.back() += "<no line end>";
    joined.clear();
  }
  ::close(fd);
  return got;
}

// A line longer than the buffer reaches the reader's buffer from its first byte
// and every read brings a whole buffer, so its reads end at multiples of kBlock.
TEST(RecordReader, CarriageReturnAtTheEndOfARead) {
  const std::string first_end = body(kBlock - 1);      // a CR next ends the first read
  const std::string later_end = body(3 * kBlock - 1);  // a CR next ends the third read
  struct Case {
    const char* what;
    std::string before, line, end;  // a line before the long one; the long one; what ends it
  };
  const Case cases[] = {
      {"content follows", "", first_end + "\r5\t2251", "\n"},
      {"a line feed follows", "", first_end, "\r\n"},
      {"a later read, content follows", "", later_end + "\rz", "\r\n"},
      {"a later read, a line feed follows", "", later_end, "\r\n"},
      {"a CR, then the line end", "", first_end + "\r", "\r\n"},
      {"after a short line", "ab\r\n", first_end + "\r5", "\n"},
      {"the input ends", "", first_end + "\r", ""},
      {"a CR that starts a read", "", body(kBlock) + "\r5", "\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> expected;
    if (!c.before.empty()) expected.push_back(c.before.substr(0, c.before.find('\r')));
    expected.push_back(c.line);
    if (c.end.empty()) {
      expected.back() += "<no line end>";
    } else {
      expected.emplace_back("next");
    }
    EXPECT_EQ(lines_of(c.before + c.line + c.end + (c.end.empty() ? "" : "next\n")), expected);
  }
}

}  // namespace
}  // namespace vortelin
