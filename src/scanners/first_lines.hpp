// How a data file is told apart: a particle-sizer export carries one of the
// export's marks in its first ten complete lines, each cut to 64 characters.
// Every program that sorts instrument files reads their first lines this way.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>

#include "scanners/export_words.hpp"
#include "text/byte_order_mark.hpp"
#include "text/in_channel.hpp"

namespace vortelin {

inline constexpr std::size_t kFirstLines = 10;
inline constexpr std::size_t kMarkedLength =
    64;  // a mark counts within a line's first 64 characters

// Whether a line, cut to its marked length, marks a particle-sizer export. The
// first line may start with a byte-order mark, which is not text.
inline bool marks_export(std::string_view line, bool first_line) {
  line = line.substr(0, kMarkedLength);
  if (line.find(words::kMarkAnywhere) != std::string_view::npos) return true;
  if (first_line) line = without_byte_order_mark(line);
  return std::any_of(std::begin(words::kLineMarks), std::end(words::kLineMarks),
                     [line](std::string_view mark) { return line.starts_with(mark); });
}

struct FirstLines {
  bool export_marked = false;  // a complete line holds a mark
  std::size_t complete = 0;    // complete lines read, at most ten
  // The tenth line has no line end and fills its 64 characters.
  bool tenth_unterminated_full = false;
};

// Reads the file's first complete lines, up to ten, and looks for the marks in
// them. A line without a line end is not complete: it may be a record still
// being written. `each_line(index, record)` sees every line read, the 0-based
// index first, a last line without a line end too (record.terminated false).
template <typename EachLine>
FirstLines read_first_lines(InChannel& data, EachLine each_line) {
  FirstLines lines;
  RawRecord record;
  while (lines.complete < kFirstLines) {
    if (read_record(data, kMaxFieldLength, Handling::end_of_file, record) != Outcome::record) {
      if (!record.text.empty()) each_line(lines.complete, record);
      lines.tenth_unterminated_full =
          lines.complete == kFirstLines - 1 && record.text.size() >= kMarkedLength;
      break;
    }
    each_line(lines.complete, record);
    if (marks_export(record.text, lines.complete == 0)) lines.export_marked = true;
    ++lines.complete;
  }
  return lines;
}

}  // namespace vortelin
