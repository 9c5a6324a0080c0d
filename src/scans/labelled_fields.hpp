// The fields of a labelled line of an export (a label, its separator, then one
// field per sample), read as they pass piece by piece, in memory that follows
// the number of fields, never the line's length.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scanners/date_time_shapes.hpp"
#include "scans/setting_cell.hpp"

namespace vortelin::scans {

// What a line's fields hold.
enum class FieldKind { sample_number, date, time, real, integer };

// More fields than this on one line are not read (a line of size bins has a
// few hundred; samples of one export a few thousand at most).
inline constexpr std::size_t kMaxFields = 100'000;

// The text of a field kept for reading a value or a sample number.
inline constexpr std::size_t kMaxFieldText = 3000;

struct LineFields {
  FieldKind kind = FieldKind::date;
  std::vector<std::string> numbers;              // sample_number: digits, or empty
  std::vector<std::optional<ShapeText>> shapes;  // date, time: the field's first one
  std::vector<SettingCell> cells;                // real, integer
  SettingCell first_value;                       // real, integer: the first field that is not empty
  bool cut = false;                              // fields beyond kMaxFields were not read

  std::size_t size() const;
};

class FieldReader {
 public:
  FieldReader(FieldKind kind, char separator);
  // The bytes after the label's separator, in order.
  void feed(std::string_view piece);
  LineFields end();

 private:
  void end_field();

  char separator_;
  LineFields fields_;
  std::string text_;  // the field so far: blanks and tabs before it dropped
  bool text_cut_ = false;
  ShapeScan shapes_;
};

}  // namespace vortelin::scans
