#include "scanners/sample_table.hpp"

#include <algorithm>
#include <cstring>

#include "text/byte_class.hpp"

namespace vortelin {

namespace {

constexpr std::string_view kHeaderStart = "Sample #";
constexpr std::size_t kLongestTitle = 16;

constexpr std::string_view kDateTitle = "Date";
constexpr std::string_view kStartTimeTitle = "Start Time";
constexpr std::string_view kScanUpTitles[] = {"Scan Up Time(s)", "Scan Time (s)"};
constexpr std::string_view kRetraceTitles[] = {"Retrace Time(s)", "Retrace Time (s)"};
constexpr std::string_view kScansTitle = "Scans Per Sample";

// Hands each part of `piece` to `on_part`, and calls `on_end` where a cell
// ends at a separator; stops when `on_end` returns false.
template <typename OnPart, typename OnEnd>
void split_cells(CellSplit& split, std::string_view piece, OnPart on_part, OnEnd on_end) {
  while (!piece.empty()) {
    const void* at = std::memchr(piece.data(), split.separator, piece.size());
    if (at == nullptr) {
      on_part(piece);
      return;
    }
    const auto length = static_cast<std::size_t>(static_cast<const char*>(at) - piece.data());
    on_part(piece.substr(0, length));
    piece.remove_prefix(length + 1);
    const bool go_on = on_end();
    ++split.column;
    if (!go_on) return;
  }
}

bool is_one_of(std::string_view title, std::initializer_list<std::string_view> titles) {
  return std::find(titles.begin(), titles.end(), title) != titles.end();
}

void set_once(std::size_t& column, std::size_t value) {
  if (column == kNoColumn) column = value;
}

}  // namespace

std::optional<char> header_separator(std::string_view head) {
  if (head.size() <= kHeaderStart.size() || head.substr(0, kHeaderStart.size()) != kHeaderStart) {
    return std::nullopt;
  }
  const char separator = head[kHeaderStart.size()];
  if (separator != '\t' && separator != ',') return std::nullopt;
  return separator;
}

HeaderTitles::HeaderTitles(char separator) {
  split_.separator = separator;
  layout_.separator = separator;
}

void HeaderTitles::feed(std::string_view piece) {
  split_cells(
      split_, piece,
      [this](std::string_view part) {
        for (const char c : part) {
          if (too_long_) return;
          if (is_blank(c)) {
            if (!title_.empty()) ++held_blanks_;
            continue;
          }
          if (title_.size() + held_blanks_ + 1 > kLongestTitle) {
            too_long_ = true;
            return;
          }
          title_.append(held_blanks_, ' ');
          held_blanks_ = 0;
          title_ += c;
        }
      },
      [this] {
        end_title();
        return true;
      });
}

std::optional<TableLayout> HeaderTitles::end() {
  end_title();
  if (layout_.date == kNoColumn || layout_.start_time == kNoColumn) return std::nullopt;
  return layout_;
}

void HeaderTitles::end_title() {
  const std::size_t column = split_.column;
  if (!too_long_) {
    if (title_ == kDateTitle) set_once(layout_.date, column);
    if (title_ == kStartTimeTitle) set_once(layout_.start_time, column);
    if (is_one_of(title_, {kScanUpTitles[0], kScanUpTitles[1]})) set_once(layout_.scan_up, column);
    if (is_one_of(title_, {kRetraceTitles[0], kRetraceTitles[1]}))
      set_once(layout_.retrace, column);
    if (title_ == kScansTitle) set_once(layout_.scans, column);
  }
  title_.clear();
  held_blanks_ = 0;
  too_long_ = false;
}

void SampleCells::begin(const TableLayout& layout, bool with_settings) {
  layout_ = layout;
  with_settings_ = with_settings;
  last_needed_ = 0;
  for (const std::size_t column : {layout.date, layout.start_time}) {
    if (column != kNoColumn) last_needed_ = std::max(last_needed_, column);
  }
  if (with_settings) {
    for (const std::size_t column : {layout.scan_up, layout.retrace, layout.scans}) {
      if (column != kNoColumn) last_needed_ = std::max(last_needed_, column);
    }
  }
  split_ = CellSplit{layout.separator, 0};
  done_ = false;
  number_state_ = NumberState::leading_blanks;
  date_scan_ = ShapeScan(ShapeKind::date);
  time_scan_ = ShapeScan(ShapeKind::time);
  date_.reset();
  time_.reset();
  for (CellValue* cell : {&scan_up_, &retrace_, &scans_}) {
    cell->present = false;
    cell->blanks_only = true;
    cell->text.clear();
  }
}

void SampleCells::feed(std::string_view piece) {
  if (done_) return;
  split_cells(
      split_, piece, [this](std::string_view part) { read_part(part); },
      [this] {
        end_cell();
        return !done_;
      });
}

void SampleCells::end() {
  if (!done_) end_cell();
}

CellValue* SampleCells::value_cell() {
  if (!with_settings_) return nullptr;
  const std::size_t column = split_.column;
  if (column == layout_.scan_up) return &scan_up_;
  if (column == layout_.retrace) return &retrace_;
  if (column == layout_.scans) return &scans_;
  return nullptr;
}

void SampleCells::read_part(std::string_view part) {
  const std::size_t column = split_.column;
  if (column == 0) {
    for (const char c : part) {
      const bool blank = is_blank(c);
      const bool digit = is_digit(c);
      switch (number_state_) {
        case NumberState::leading_blanks:
          if (digit) number_state_ = NumberState::digits;
          if (!blank && !digit) number_state_ = NumberState::not_a_number;
          break;
        case NumberState::digits:
          if (blank) number_state_ = NumberState::trailing_blanks;
          if (!blank && !digit) number_state_ = NumberState::not_a_number;
          break;
        case NumberState::trailing_blanks:
          if (!blank) number_state_ = NumberState::not_a_number;
          break;
        case NumberState::not_a_number:
          break;
      }
      if (number_state_ == NumberState::not_a_number) {
        done_ = true;
        return;
      }
    }
  }
  if (column == layout_.date) date_scan_.feed(part);
  if (column == layout_.start_time) time_scan_.feed(part);
  if (CellValue* cell = value_cell()) {
    for (const char c : part) {
      if (!is_blank(c)) cell->blanks_only = false;
      if (cell->text.empty() && is_blank_or_tab(c)) continue;
      if (cell->text.size() == kMaxCellValue) break;
      cell->text += c;
    }
  }
}

void SampleCells::end_cell() {
  const std::size_t column = split_.column;
  if (column == 0 && number_state_ == NumberState::leading_blanks) {
    number_state_ = NumberState::not_a_number;  // no digit
  }
  if (number_state_ == NumberState::not_a_number) {
    done_ = true;
    return;
  }
  if (column == layout_.date) {
    date_scan_.end();
    if (date_scan_.found()) date_ = date_scan_.first();
  }
  if (column == layout_.start_time) {
    time_scan_.end();
    if (time_scan_.found()) time_ = time_scan_.first();
  }
  if (CellValue* cell = value_cell()) cell->present = true;
  if (column >= last_needed_) done_ = true;
}

}  // namespace vortelin
