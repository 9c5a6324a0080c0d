// The time axis of the picture: the stretch it shows around the data, and ticks
// at round times that suit its length (seconds to years), with their labels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vortelin::overview {

struct Tick {
  std::int64_t at = 0;  // seconds since 1970-01-01
  std::string label;    // "10:00", "14 May", "May", "2005"
  std::string context;  // the date or year the label belongs to; empty for years
};

struct TimeAxis {
  std::int64_t from = 0;  // from < to
  std::int64_t to = 0;
  std::vector<Tick> ticks;
};

// An axis showing `first` to `last` with a margin, with at most `max_ticks`
// ticks (at least 2), as many as fit.
TimeAxis make_time_axis(std::int64_t first, std::int64_t last, std::size_t max_ticks);

}  // namespace vortelin::overview
