// Reading CSV records: RFC 4180 quoting, the three line ends, records that are
// not well-formed; the same records whatever pieces the bytes arrive in, as a
// plain reader of the whole text finds them; what the writer writes reads back.
#include "tables/csv_records.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "tables/csv.hpp"

namespace vortelin {
namespace {

struct Read {
  std::vector<std::vector<std::string>> fields;
  std::vector<std::size_t> lines;
  std::vector<std::string> problems;
  bool lone_cr = false;

  friend bool operator==(const Read&, const Read&) = default;
  friend void PrintTo(const Read& read, std::ostream* out) {
    for (std::size_t k = 0; k < read.fields.size(); ++k) {
      *out << "\n  line " << read.lines[k] << " " << testing::PrintToString(read.fields[k]) << " "
           << read.problems[k];
    }
    *out << (read.lone_cr ? "\n  (a lone CR)" : "");
  }
};

void keep(Read& read, const CsvRecord& record) {
  read.fields.push_back(record.fields);
  read.lines.push_back(record.line);
  read.problems.emplace_back(record.problem);
}

// The reader, given the bytes in pieces of the sizes in `cuts`, cycled.
Read read_in_pieces(std::string_view bytes, const std::vector<std::size_t>& cuts) {
  CsvReader reader;
  Read read;
  for (std::size_t k = 0; !bytes.empty(); ++k) {
    std::string_view piece = bytes.substr(0, cuts[k % cuts.size()]);
    bytes.remove_prefix(piece.size());
    while (!piece.empty()) {
      piece.remove_prefix(reader.take(piece));
      if (reader.has_record()) {
        keep(read, reader.record());
        reader.next();
      }
    }
  }
  reader.finish();
  if (reader.has_record()) keep(read, reader.record());
  read.lone_cr = reader.saw_lone_cr();
  return read;
}

// A plain reader of the whole text, one field at a time, for comparison.
Read read_plainly(std::string_view text) {
  Read read;
  std::size_t i = 0;
  std::size_t line = 1;
  while (i < text.size()) {
    std::vector<std::string> fields;
    std::string problem;
    const std::size_t first_line = line;
    for (bool more = true; more;) {
      std::string field;
      if (i < text.size() && text[i] == '"') {
        bool closed = false;
        for (++i; i < text.size() && !closed; ++i) {
          if (text[i] != '"') {
            if (text[i] == '\n') ++line;
            field += text[i];
          } else if (i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
          } else {
            closed = true;
          }
        }
        if (!closed && problem.empty()) problem = "a quoted field is not closed";
        if (closed && i < text.size() &&
            std::string_view(",\r\n").find(text[i]) == std::string_view::npos) {
          if (problem.empty()) problem = "text after a closing quote";
        }
      }
      while (i < text.size() && std::string_view(",\r\n").find(text[i]) == std::string_view::npos) {
        field += text[i++];
      }
      fields.push_back(field);
      more = i < text.size() && text[i] == ',';
      if (more) ++i;
    }
    if (i < text.size()) {  // a line end
      ++line;
      if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) read.lone_cr = true;
      i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2U : 1U;
    }
    read.fields.push_back(fields);
    read.lines.push_back(first_line);
    read.problems.push_back(problem);
  }
  return read;
}

TEST(CsvRecords, ReadsQuotedFieldsAndEveryLineEnd) {
  struct Case {
    std::string_view bytes;
    std::vector<std::vector<std::string>> fields;
    std::vector<std::size_t> lines;
    bool lone_cr;
  };
  const Case cases[] = {
      {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}, {1, 2}, false},
      {"a,b\nc,d", {{"a", "b"}, {"c", "d"}}, {1, 2}, false},
      {"a,b\rc,d\r", {{"a", "b"}, {"c", "d"}}, {1, 2}, true},
      {"\"x,y\",\"say \"\"hi\"\"\",\r\n", {{"x,y", "say \"hi\"", ""}}, {1}, false},
      {"\"two\r\nlines\",z\r\nnext\r\n", {{"two\r\nlines", "z"}, {"next"}}, {1, 3}, false},
      {",,\r\n\r\n", {{"", "", ""}, {""}}, {1, 2}, false},
      {"a\"b,c\r\n", {{"a\"b", "c"}}, {1}, false},  // a quote inside an unquoted field
      {"", {}, {}, false},
  };
  for (const Case& c : cases) {
    const Read read = read_in_pieces(c.bytes, {c.bytes.size() + 1});
    EXPECT_EQ(read.fields, c.fields) << c.bytes;
    EXPECT_EQ(read.lines, c.lines) << c.bytes;
    EXPECT_EQ(read.lone_cr, c.lone_cr) << c.bytes;
  }
}

TEST(CsvRecords, NamesRecordsThatAreNotWellFormed) {
  const std::pair<std::string_view, std::vector<std::string>> cases[] = {
      {"\"open,a\r\nb\r\n", {"a quoted field is not closed"}},
      {"\"a\"b,c\r\nd\r\n", {"text after a closing quote", ""}},
  };
  for (const auto& [bytes, problems] : cases) {
    EXPECT_EQ(read_in_pieces(bytes, {1}).problems, problems) << bytes;
  }
  // A record too long to keep is read to its end; the next one is whole.
  const std::string huge = std::string(kMaxCsvRecordBytes, ',') + "\"x\nx\"\r\nnext\r\n";
  const Read read = read_in_pieces(huge, {4096});
  ASSERT_EQ(read.fields.size(), 2u);
  EXPECT_TRUE(read.fields[0].empty());
  EXPECT_EQ(read.problems[0], "longer than 1 MiB");
  EXPECT_EQ(read.fields[1], std::vector<std::string>{"next"});
  EXPECT_EQ(read.lines[1], 3u);
}

TEST(CsvRecords, AnySplitReadsAsAPlainReaderOfTheWholeText) {
  std::mt19937 random(20050514);
  const std::string_view alphabet = "ab,\"\r\n";
  for (int round = 0; round < 3000; ++round) {
    std::string text(random() % 40, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    const std::vector<std::size_t> cuts{1 + random() % 5, 1 + random() % 9, 1 + random() % 3};
    EXPECT_EQ(read_in_pieces(text, cuts), read_plainly(text)) << testing::PrintToString(text);
  }
}

TEST(CsvRecords, ReadsBackWhatTheWriterWrites) {
  const std::vector<std::string> fields{"smps_0514.txt", "a,b", "say \"x\"", "cr\rlf\n", "", "3"};
  std::string line;
  for (const std::string& field : fields) {
    if (!line.empty()) line += ',';
    append_csv_field(line, field);
  }
  const Read read = read_in_pieces(line + "\r\n" + line + "\r\n", {3});
  EXPECT_EQ(read.fields, (std::vector<std::vector<std::string>>{fields, fields}));
  EXPECT_FALSE(read.lone_cr);
}

}  // namespace
}  // namespace vortelin
