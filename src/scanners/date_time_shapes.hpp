// Dates and times as particle-sizer software writes them, read as whole values.
// A date is 1 or 2 digits, "/", 1 or 2 digits, "/", then 2 or 4 digits; a time
// is 1 or 2 digits, ":", 2 digits, ":", 2 digits, perhaps followed by " AM" or
// " PM". Neither has a digit or its own separator directly before or after it,
// so each is a whole run of digits and separators. Both are written in the
// tables' 8-character forms: dd/dd/yy (parts in the file's order) and hh:mm:ss
// on the 24-hour clock.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace vortelin {

enum class ShapeKind { date, time };

// A value in its 8-character form. A date written with a four-digit year also
// keeps the year's first two digits, which the 8-character form drops.
struct ShapeText {
  std::array<char, 8> bytes{};
  std::array<char, 2> century{};  // NULs for a two-digit year and for a time
  std::string_view view() const { return {bytes.data(), bytes.size()}; }
};

// Finds the shapes of one kind in a text that arrives piece by piece, in order.
// The text's start and its end (end()) are boundaries.
class ShapeScan {
 public:
  explicit ShapeScan(ShapeKind kind) : kind_(kind) {}
  void feed(std::string_view piece) { scan<false>(piece); }
  // Like feed(), but stops once the first value is taken: returns how many
  // bytes of `piece` were looked at, the byte that ended the value included;
  // piece.size() when no value was taken in it.
  std::size_t feed_to_first(std::string_view piece) { return scan<true>(piece); }
  void end();

  bool found() const { return found_; }
  const ShapeText& first() const { return first_; }  // when found()
  const ShapeText& last() const { return last_; }    // when found()

 private:
  template <bool ToFirst>
  std::size_t scan(std::string_view piece);
  void close_run();
  void settle(bool with_suffix);
  void take(const ShapeText& value);

  ShapeKind kind_;
  std::array<char, 10> run_{};  // the current run of digits and separators
  std::size_t run_length_ = 0;  // may pass run_.size(): such a run is too long to be a value
  std::size_t separators_ = 0;  // in the run, counted up to 3
  std::array<std::size_t, 2> separator_at_{};  // where the run's first two are
  // A time waits for its " AM" / " PM": how much of it was seen (0 to 3).
  bool pending_ = false;
  int suffix_seen_ = 0;
  bool afternoon_ = false;
  ShapeText pending_time_;
  std::size_t pending_hour_ = 0;
  bool found_ = false;
  ShapeText first_;
  ShapeText last_;
};

// The first shape in a whole text.
std::optional<ShapeText> first_shape(ShapeKind kind, std::string_view text);

}  // namespace vortelin
