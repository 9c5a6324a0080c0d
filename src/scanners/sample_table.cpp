#include "scanners/sample_table.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "text/byte_class.hpp"

namespace vortelin {

namespace {

using words::Content;
using words::kTitleInitials;

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

void set_once(std::size_t& column, std::size_t value) {
  if (column == kNoColumn) column = value;
}

constexpr std::size_t kTitleCount = std::size(words::kTitles);
static_assert(kTitleCount <= 32, "one bit per title");
constexpr std::uint32_t kEveryTitle = (std::uint64_t{1} << kTitleCount) - 1;

// Of the `possible` titles, those that hold `c` at offset `at`.
std::uint32_t narrowed(std::uint32_t possible, std::size_t at, char c) {
  for (std::size_t i = 0; i < kTitleCount; ++i) {
    const std::string_view text = words::kTitles[i].text;
    if (at >= text.size() || text[at] != c) possible &= ~(std::uint32_t{1} << i);
  }
  return possible;
}

// The title among `possible` that is exactly `length` characters long.
const words::Title* title_of_length(std::uint32_t possible, std::size_t length) {
  for (std::size_t i = 0; i < kTitleCount; ++i) {
    if ((possible >> i & 1u) != 0 && words::kTitles[i].text.size() == length) {
      return &words::kTitles[i];
    }
  }
  return nullptr;
}

// Offset of the next `c` in `text` from `from`, or text.size().
std::size_t find_byte(std::string_view text, char c, std::size_t from) {
  const void* at = std::memchr(text.data() + from, c, text.size() - from);
  return at == nullptr ? text.size()
                       : static_cast<std::size_t>(static_cast<const char*>(at) - text.data());
}

// How many times `c` occurs in `text`. Counted in blocks whose count fits a
// byte, which compilers turn into wide compares and byte adds: a header row of
// size bins is mostly separators to count.
std::size_t count_byte(std::string_view text, char c) {
  constexpr std::size_t kBlock = 255;
  std::size_t total = 0;
  while (!text.empty()) {
    const std::string_view block = text.substr(0, kBlock);
    std::uint8_t in_block = 0;
    for (const char b : block) in_block = static_cast<std::uint8_t>(in_block + (b == c ? 1 : 0));
    total += in_block;
    text.remove_prefix(block.size());
  }
  return total;
}

}  // namespace

std::optional<HeaderOpening> header_opening(std::string_view head) {
  for (const words::HeaderStart& start : words::kHeaderStarts) {
    if (head.size() <= start.word.size() || !head.starts_with(start.word)) continue;
    const char separator = head[start.word.size()];
    if (separator == '\t' || separator == ',') return HeaderOpening{&start, separator};
  }
  return std::nullopt;
}

HeaderTitles::HeaderTitles(const HeaderOpening& opening)
    : needs_date_and_time_(opening.start->needs_date_and_time) {
  layout_.separator = opening.separator;
}

// Cells are read byte by byte only while they may still hold a title; a
// skipped cell's rest is passed over by skip().
void HeaderTitles::feed(std::string_view piece) {
  InitialPlaces places;
  for (std::size_t i = 0; i < kTitleInitials.count; ++i) {
    places.next[i] = find_byte(piece, kTitleInitials.bytes[i], 0);
  }
  const char separator = layout_.separator;
  std::size_t at = 0;
  while (at < piece.size()) {
    if (cell_ == Cell::skipped) {
      at = skip(piece, at, places);
      continue;
    }
    const char c = piece[at++];
    if (c == separator) {
      end_cell();
      ++column_;
    } else if (is_blank(c)) {
      if (cell_ == Cell::title) ++held_blanks_;
    } else {
      // Blanks inside a title are part of it; a cell stops being read as soon
      // as no title begins with its text.
      if (cell_ == Cell::blanks) possible_ = kEveryTitle;
      for (; held_blanks_ > 0; --held_blanks_)
        possible_ = narrowed(possible_, title_length_++, ' ');
      possible_ = narrowed(possible_, title_length_++, c);
      cell_ = possible_ == 0 ? Cell::skipped : Cell::title;
    }
  }
}

// From inside a skipped cell: on to the next title initial in the piece,
// counting the cells whose separators come before it. Returns where reading
// goes on: after the last of those separators, or past the initial when it is
// still in the skipped cell.
std::size_t HeaderTitles::skip(std::string_view piece, std::size_t at, InitialPlaces& places) {
  std::size_t candidate = piece.size();
  for (std::size_t i = 0; i < kTitleInitials.count; ++i) {
    if (places.next[i] < at) places.next[i] = find_byte(piece, kTitleInitials.bytes[i], at);
    candidate = std::min(candidate, places.next[i]);
  }
  const std::string_view between = piece.substr(at, candidate - at);
  const std::size_t last = between.rfind(layout_.separator);
  if (last == std::string_view::npos) return std::min(candidate + 1, piece.size());
  const std::string_view ended = between.substr(0, last + 1);
  column_ += count_byte(ended, layout_.separator);
  end_cell();
  return at + last + 1;
}

// Ends the cell in `column_`, taking its title when it holds one.
void HeaderTitles::end_cell() {
  const words::Title* title =
      cell_ == Cell::title ? title_of_length(possible_, title_length_) : nullptr;
  cell_ = Cell::blanks;
  title_length_ = 0;
  held_blanks_ = 0;
  if (title == nullptr) return;
  switch (title->content) {
    case Content::date:
      set_once(layout_.date, column_);
      break;
    case Content::start_time:
      set_once(layout_.start_time, column_);
      break;
    case Content::date_and_time:
      has_date_and_time_ = true;
      set_once(layout_.date, column_);
      if (layout_.start_time == kNoColumn) {
        layout_.start_time = column_;
        layout_.time_after_date = true;
      }
      break;
    case Content::setting:
      set_once(layout_.settings[words::index_of(title->setting)], column_);
      break;
  }
}

std::optional<TableLayout> HeaderTitles::end() {
  end_cell();
  if (layout_.date == kNoColumn || layout_.start_time == kNoColumn) return std::nullopt;
  if (needs_date_and_time_ && !has_date_and_time_) return std::nullopt;
  return layout_;
}

void SampleCells::begin(const TableLayout& layout, bool with_settings) {
  layout_ = layout;
  with_settings_ = with_settings;
  last_needed_ = std::max(layout.date, layout.start_time);
  if (with_settings) {
    for (const std::size_t column : layout.settings) {
      if (column != kNoColumn) last_needed_ = std::max(last_needed_, column);
    }
  }
  split_ = CellSplit{layout.separator, 0};
  done_ = false;
  number_state_ = NumberState::leading_blanks;
  number_.clear();
  date_scan_ = ShapeScan(ShapeKind::date);
  time_scan_ = ShapeScan(ShapeKind::time);
  time_cell_date_ = ShapeScan(ShapeKind::date);
  date_.reset();
  time_.reset();
  for (CellValue& cell : settings_) {
    cell.present = false;
    cell.blanks_only = true;
    cell.text.clear();
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

CellValue* SampleCells::setting_cell() {
  if (!with_settings_) return nullptr;
  for (std::size_t i = 0; i < settings_.size(); ++i) {
    if (split_.column == layout_.settings[i]) return &settings_[i];
  }
  return nullptr;
}

void SampleCells::read_number(std::string_view part) {
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
    if (digit && number_.size() < kMaxSampleNumber) number_ += c;
  }
}

// A date-and-time cell's time is the first one after the cell's first date: the
// time scan starts at the byte that ended that date.
void SampleCells::read_time(std::string_view part) {
  if (layout_.time_after_date && !time_cell_date_.found()) {
    const std::size_t used = time_cell_date_.feed_to_first(part);
    if (!time_cell_date_.found()) return;
    part.remove_prefix(used - 1);
  }
  time_scan_.feed(part);
}

void SampleCells::read_part(std::string_view part) {
  const std::size_t column = split_.column;
  if (column == 0) {
    read_number(part);
    if (done_) return;
  }
  if (column == layout_.date) date_scan_.feed(part);
  if (column == layout_.start_time) read_time(part);
  if (CellValue* cell = setting_cell()) {
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
  if (CellValue* cell = setting_cell()) cell->present = true;
  if (column >= last_needed_) done_ = true;
}

}  // namespace vortelin
