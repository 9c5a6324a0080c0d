// Exports with one row per sample: a header row names the columns, and each
// following row whose first cell is a sample number is one sample (the words
// are in export_words.hpp). Rows can be far longer than a record's field (a
// column per size bin), so both are read piece by piece, in constant memory,
// and a header row at close to the speed of finding its line end.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "scanners/date_time_shapes.hpp"
#include "scanners/export_words.hpp"

namespace vortelin {

inline constexpr std::size_t kNoColumn = std::numeric_limits<std::size_t>::max();

// One absent column per scan setting, however many settings there are.
constexpr std::array<std::size_t, words::kSettingCount> no_setting_columns() {
  std::array<std::size_t, words::kSettingCount> columns{};
  columns.fill(kNoColumn);
  return columns;
}

// The columns of a table (0 is the sample-number column); kNoColumn when absent.
struct TableLayout {
  char separator = '\t';
  std::size_t date = kNoColumn;
  std::size_t start_time = kNoColumn;
  // The start-time column holds dates and times: its time is the first after its date.
  bool time_after_date = false;
  std::array<std::size_t, words::kSettingCount> settings = no_setting_columns();
};

// How a possible header row starts: its kind and its separator.
struct HeaderOpening {
  const words::HeaderStart* start = nullptr;
  char separator = '\t';
};

// The opening when `head` (a record's first bytes) starts a possible header.
std::optional<HeaderOpening> header_opening(std::string_view head);

// Reads a possible header's titles as they pass piece by piece. Only a cell
// that starts (after blanks) with a title's first character is looked at byte
// by byte; the rest are counted, not read.
class HeaderTitles {
 public:
  explicit HeaderTitles(const HeaderOpening& opening);
  void feed(std::string_view piece);
  // The layout, when the titles give what a header of its kind needs.
  std::optional<TableLayout> end();

 private:
  enum class Cell { blanks, title, skipped };
  // Where each title initial is next found in the piece being read (its size: nowhere).
  struct InitialPlaces {
    std::array<std::size_t, words::kTitleInitials.bytes.size()> next{};
  };
  std::size_t skip(std::string_view piece, std::size_t at, InitialPlaces& places);
  void end_cell();

  bool needs_date_and_time_;
  bool has_date_and_time_ = false;
  TableLayout layout_;
  std::size_t column_ = 0;
  Cell cell_ = Cell::blanks;
  // The titles the cell's text so far (leading blanks skipped) begins, one bit
  // per entry of the titles' list, and that text's length.
  std::uint32_t possible_ = 0;
  std::size_t title_length_ = 0;
  std::size_t held_blanks_ = 0;  // blanks not yet known to be trailing
};

// The cells of a row, split at a separator, as they pass piece by piece.
struct CellSplit {
  char separator = '\t';
  std::size_t column = 0;  // the cell the next byte belongs to
};

// A settings cell's value text: its first bytes after leading blanks and tabs.
struct CellValue {
  bool present = false;     // the row has the column
  bool blanks_only = true;  // empty, or blanks (0x20) only
  std::string text;         // at most kMaxCellValue bytes
};

inline constexpr std::size_t kMaxCellValue = 3000;
inline constexpr std::size_t kMaxSampleNumber = 64;

// Reads a row of a table: whether its first cell is a sample number (blanks,
// digits, blanks), the first date and start time in its date and start-time
// cells, and, when asked, its settings cells. Reading stops after the last
// cell needed.
class SampleCells {
 public:
  SampleCells() = default;
  void begin(const TableLayout& layout, bool with_settings);
  void feed(std::string_view piece);
  void end();

  // After the first piece: false once the first cell is known not to be a
  // sample number. After end(): whether the row is a sample row.
  bool sample_row() const { return number_state_ != NumberState::not_a_number; }
  // The sample number's digits, at most kMaxSampleNumber of them.
  std::string_view number() const { return number_; }
  const std::optional<ShapeText>& date() const { return date_; }
  const std::optional<ShapeText>& time() const { return time_; }
  const CellValue& setting(words::Setting which) const { return settings_[words::index_of(which)]; }

 private:
  enum class NumberState { leading_blanks, digits, trailing_blanks, not_a_number };
  void read_number(std::string_view part);
  void read_part(std::string_view part);
  void read_time(std::string_view part);
  void end_cell();
  CellValue* setting_cell();

  TableLayout layout_;
  bool with_settings_ = false;
  std::size_t last_needed_ = 0;
  CellSplit split_;
  bool done_ = false;
  NumberState number_state_ = NumberState::leading_blanks;
  std::string number_;
  ShapeScan date_scan_{ShapeKind::date};
  ShapeScan time_scan_{ShapeKind::time};
  ShapeScan time_cell_date_{ShapeKind::date};  // the date that a date-and-time cell's time follows
  std::optional<ShapeText> date_;
  std::optional<ShapeText> time_;
  std::array<CellValue, words::kSettingCount> settings_;
};

}  // namespace vortelin
