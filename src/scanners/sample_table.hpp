// Exports with one row per sample: a header row that starts with "Sample #"
// and a tab or a comma (the table's separator) names the columns, and each
// following row whose first cell is a sample number is one sample. Rows can be
// far longer than a record's field (a column per size bin), so both are read
// piece by piece, in constant memory.
#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "scanners/date_time_shapes.hpp"

namespace vortelin {

inline constexpr std::size_t kNoColumn = std::numeric_limits<std::size_t>::max();

// The columns of a table (0 is the "Sample #" column); kNoColumn when absent.
struct TableLayout {
  char separator = '\t';
  std::size_t date = kNoColumn;
  std::size_t start_time = kNoColumn;
  std::size_t scan_up = kNoColumn;
  std::size_t retrace = kNoColumn;
  std::size_t scans = kNoColumn;
};

// The separator when `head` (a record's first bytes) starts a possible header.
std::optional<char> header_separator(std::string_view head);

// The cells of a row, split at a separator, as they pass piece by piece.
struct CellSplit {
  char separator = '\t';
  std::size_t column = 0;  // the cell the next byte belongs to
};

// Reads a possible header's titles. Titles are compared with blanks trimmed at
// both ends; where a title occurs twice, the first counts.
class HeaderTitles {
 public:
  explicit HeaderTitles(char separator);
  void feed(std::string_view piece);
  // The layout, when the titles include "Date" and "Start Time".
  std::optional<TableLayout> end();

 private:
  void end_title();

  CellSplit split_;
  TableLayout layout_;
  std::string title_;            // the cell's text so far, leading blanks skipped
  std::size_t held_blanks_ = 0;  // blanks not yet known to be trailing
  bool too_long_ = false;        // longer than any title
};

// A settings cell's value text: its first bytes after leading blanks and tabs.
struct CellValue {
  bool present = false;     // the row has the column
  bool blanks_only = true;  // empty, or blanks (0x20) only
  std::string text;         // at most kMaxCellValue bytes
};

inline constexpr std::size_t kMaxCellValue = 3000;

// Reads a row of a table: whether its first cell is a sample number (blanks,
// digits, blanks), the first date and time in its date and start-time cells,
// and, when asked, its settings cells. Reading stops after the last cell needed.
class SampleCells {
 public:
  SampleCells() = default;
  void begin(const TableLayout& layout, bool with_settings);
  void feed(std::string_view piece);
  void end();

  // After the first piece: false once the first cell is known not to be a
  // sample number. After end(): whether the row is a sample row.
  bool sample_row() const { return number_state_ != NumberState::not_a_number; }
  const std::optional<ShapeText>& date() const { return date_; }
  const std::optional<ShapeText>& time() const { return time_; }
  const CellValue& scan_up() const { return scan_up_; }
  const CellValue& retrace() const { return retrace_; }
  const CellValue& scans() const { return scans_; }

 private:
  enum class NumberState { leading_blanks, digits, trailing_blanks, not_a_number };
  void read_part(std::string_view part);
  void end_cell();
  CellValue* value_cell();

  TableLayout layout_;
  bool with_settings_ = false;
  std::size_t last_needed_ = 0;
  CellSplit split_;
  bool done_ = false;
  NumberState number_state_ = NumberState::leading_blanks;
  ShapeScan date_scan_{ShapeKind::date};
  ShapeScan time_scan_{ShapeKind::time};
  std::optional<ShapeText> date_;
  std::optional<ShapeText> time_;
  CellValue scan_up_;
  CellValue retrace_;
  CellValue scans_;
};

}  // namespace vortelin
