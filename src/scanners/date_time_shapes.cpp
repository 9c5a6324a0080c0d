#include "scanners/date_time_shapes.hpp"

#include "text/byte_class.hpp"

namespace vortelin {

namespace {

constexpr bool is_letter_or_digit(char c) {
  return is_digit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool length_in(std::string_view part, std::size_t low, std::size_t high) {
  return part.size() >= low && part.size() <= high;
}

// A part of one or two digits as two digits.
void two_digits(std::string_view part, char* out) {
  out[0] = part.size() == 1 ? '0' : part[0];
  out[1] = part.back();
}

}  // namespace

template <bool ToFirst>
std::size_t ShapeScan::scan(std::string_view piece) {
  const char separator = kind_ == ShapeKind::date ? '/' : ':';
  const char* at = piece.data();
  const char* const end = at + piece.size();
  while (at < end) {
    if (run_length_ == 0 && !pending_) {
      // Nothing under way: only a digit or a separator can start a value.
      while (at < end && !is_digit(*at) && *at != separator) ++at;
      if (at == end) break;
    }
    const char c = *at++;
    const bool in_run = is_digit(c) || c == separator;
    if (!in_run && run_length_ > 0) close_run();
    if (pending_) {
      // What follows a time: one blank, "AM" or "PM", then no letter or digit.
      if (suffix_seen_ == 3) {
        settle(!is_letter_or_digit(c));
      } else if (c == " AM"[suffix_seen_] || (suffix_seen_ == 1 && c == 'P')) {
        if (suffix_seen_ == 1) afternoon_ = c == 'P';
        ++suffix_seen_;
      } else {
        settle(false);
      }
    }
    if (ToFirst && found_) return static_cast<std::size_t>(at - piece.data());
    if (in_run) {
      if (c == separator && separators_ < 3) {
        if (separators_ < 2) separator_at_[separators_] = run_length_;
        ++separators_;
      }
      if (run_length_ < run_.size()) run_[run_length_] = c;
      if (run_length_ <= run_.size()) ++run_length_;
    }
  }
  return piece.size();
}

template std::size_t ShapeScan::scan<false>(std::string_view piece);
template std::size_t ShapeScan::scan<true>(std::string_view piece);

void ShapeScan::end() {
  if (run_length_ > 0) close_run();
  if (pending_) settle(suffix_seen_ == 3);
}

// A run is a value when it has exactly two separators and parts of the right lengths.
void ShapeScan::close_run() {
  const std::size_t length = run_length_;
  const std::size_t separators = separators_;
  run_length_ = 0;
  separators_ = 0;
  if (length > run_.size() || separators != 2) return;
  const std::string_view run(run_.data(), length);
  const std::size_t first_end = separator_at_[0];
  const std::size_t second_end = separator_at_[1];
  const std::array<std::string_view, 3> parts = {
      run.substr(0, first_end), run.substr(first_end + 1, second_end - first_end - 1),
      run.substr(second_end + 1)};
  ShapeText value;
  if (kind_ == ShapeKind::date) {
    if (!length_in(parts[0], 1, 2) || !length_in(parts[1], 1, 2) ||
        (parts[2].size() != 2 && parts[2].size() != 4)) {
      return;
    }
    two_digits(parts[0], &value.bytes[0]);
    value.bytes[2] = '/';
    two_digits(parts[1], &value.bytes[3]);
    value.bytes[5] = '/';
    two_digits(parts[2].substr(parts[2].size() - 2), &value.bytes[6]);
    if (parts[2].size() == 4) value.century = {parts[2][0], parts[2][1]};
    take(value);
    return;
  }
  if (!length_in(parts[0], 1, 2) || parts[1].size() != 2 || parts[2].size() != 2) return;
  two_digits(parts[0], &value.bytes[0]);
  value.bytes[2] = ':';
  two_digits(parts[1], &value.bytes[3]);
  value.bytes[5] = ':';
  two_digits(parts[2], &value.bytes[6]);
  pending_time_ = value;
  pending_hour_ = 0;
  for (const char digit : parts[0]) {
    pending_hour_ = pending_hour_ * 10 + static_cast<std::size_t>(digit_value(digit));
  }
  pending_ = true;
  suffix_seen_ = 0;
}

// A waiting time is taken, turned to the 24-hour clock when " AM" or " PM"
// followed it and its hour is 1 to 12.
void ShapeScan::settle(bool with_suffix) {
  pending_ = false;
  ShapeText value = pending_time_;
  if (with_suffix && pending_hour_ >= 1 && pending_hour_ <= 12) {
    const std::size_t hour = pending_hour_ % 12 + (afternoon_ ? 12 : 0);
    value.bytes[0] = static_cast<char>('0' + hour / 10);
    value.bytes[1] = static_cast<char>('0' + hour % 10);
  }
  take(value);
}

void ShapeScan::take(const ShapeText& value) {
  if (!found_) first_ = value;
  last_ = value;
  found_ = true;
}

std::optional<ShapeText> first_shape(ShapeKind kind, std::string_view text) {
  ShapeScan scan(kind);
  scan.feed(text);
  scan.end();
  if (!scan.found()) return std::nullopt;
  return scan.first();
}

}  // namespace vortelin
