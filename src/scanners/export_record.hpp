// One record of a particle-sizer export, read in one pass whether it is held
// whole or passes piece by piece (a line longer than the read buffer): what
// kind of record it is, and what the scanner takes from it.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "scanners/date_time_shapes.hpp"
#include "scanners/sample_table.hpp"
#include "text/record_reader.hpp"

namespace vortelin {

// A labelled record's dates or times: the key's place in the record's field,
// the first value in the field after it, and the last in the whole record.
struct KeyedValues {
  std::size_t key_at = std::string_view::npos;  // 0-based, in the field
  std::optional<ShapeText> first;
  std::optional<ShapeScan> rest;  // from just after the key to the record's end, when `first`
};

class ExportRecord {
 public:
  // Every record that is neither a table header nor a sample row is `other`:
  // labelled lines, blank lines, any text. Only these are searched for keys.
  enum class Kind { other, table_header, sample_row };

  // Before each read: the table the record may belong to (none outside one),
  // and whether the file's first sample row is still to come.
  void begin(const std::optional<TableLayout>& table, bool first_row_pending);
  // The record's bytes in order; the first piece holds at least its first
  // kMaxFieldLength bytes, or all of it.
  void feed(std::string_view piece);
  void end();
  // Feeds the pieces of a line too long to be held whole.
  LineSink sink();

  Kind kind() const { return kind_; }
  const TableLayout& layout() const { return layout_; }  // of a table header
  const SampleCells& cells() const { return cells_; }    // of a sample row
  const KeyedValues& dates() const { return dates_; }    // of any other record
  const KeyedValues& times() const { return times_; }

 private:
  void start(std::string_view piece);

  std::optional<TableLayout> table_;
  bool first_row_pending_ = false;
  bool started_ = false;
  Kind kind_ = Kind::other;
  SampleCells cells_;
  std::optional<HeaderTitles> titles_;
  TableLayout layout_;
  KeyedValues dates_;
  KeyedValues times_;
};

}  // namespace vortelin
