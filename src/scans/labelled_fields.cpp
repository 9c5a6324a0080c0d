#include "scans/labelled_fields.hpp"

#include <algorithm>
#include <cstring>
#include <utility>

#include "scanners/sample_table.hpp"
#include "text/byte_class.hpp"

namespace vortelin::scans {

namespace {

ShapeKind shape_of(FieldKind kind) {
  return kind == FieldKind::time ? ShapeKind::time : ShapeKind::date;
}

bool is_shape(FieldKind kind) {
  return kind == FieldKind::date || kind == FieldKind::time;
}

// Digits with blanks around them, as a sample number is written; its digits.
std::string sample_number(std::string_view text) {
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  if (text.empty() || !std::all_of(text.begin(), text.end(), is_digit)) return {};
  return std::string(text.substr(0, kMaxSampleNumber));
}

}  // namespace

std::size_t LineFields::size() const {
  switch (kind) {
    case FieldKind::sample_number:
      return numbers.size();
    case FieldKind::date:
    case FieldKind::time:
      return shapes.size();
    case FieldKind::real:
    case FieldKind::integer:
      return cells.size();
  }
  return 0;
}

FieldReader::FieldReader(FieldKind kind, char separator)
    : separator_(separator), shapes_(shape_of(kind)) {
  fields_.kind = kind;
}

void FieldReader::feed(std::string_view piece) {
  while (!piece.empty()) {
    const void* at = std::memchr(piece.data(), separator_, piece.size());
    const std::size_t length =
        at == nullptr ? piece.size()
                      : static_cast<std::size_t>(static_cast<const char*>(at) - piece.data());
    const std::string_view part = piece.substr(0, length);
    if (fields_.size() < kMaxFields) {
      if (is_shape(fields_.kind)) {
        if (!shapes_.found()) shapes_.feed(part);
      } else {
        for (const char c : part) {
          if (text_.empty() && is_blank_or_tab(c)) continue;
          if (text_.size() == kMaxFieldText) {
            text_cut_ = true;
            break;
          }
          text_ += c;
        }
      }
    }
    if (at == nullptr) return;
    end_field();
    piece.remove_prefix(length + 1);
  }
}

void FieldReader::end_field() {
  if (fields_.size() >= kMaxFields) {
    fields_.cut = true;
    return;
  }
  switch (fields_.kind) {
    case FieldKind::sample_number:
      fields_.numbers.push_back(text_cut_ ? std::string() : sample_number(text_));
      break;
    case FieldKind::date:
    case FieldKind::time:
      shapes_.end();
      fields_.shapes.push_back(shapes_.found() ? std::optional(shapes_.first()) : std::nullopt);
      shapes_ = ShapeScan(shape_of(fields_.kind));
      break;
    case FieldKind::real:
    case FieldKind::integer: {
      const SettingCell cell = read_setting(text_, fields_.kind == FieldKind::integer);
      if (fields_.first_value.state == CellState::no_cell && !text_.empty()) {
        fields_.first_value = cell;
      }
      fields_.cells.push_back(cell);
      break;
    }
  }
  text_.clear();
  text_cut_ = false;
}

LineFields FieldReader::end() {
  end_field();
  return std::move(fields_);
}

}  // namespace vortelin::scans
