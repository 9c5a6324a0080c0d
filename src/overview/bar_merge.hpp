// Merging bars too narrow to see apart: bars of the same group (set point)
// whose drawn gap is under a pixel become one mark listing all of them, unless
// the instrument had no data at all between them, so a gap in the data never
// disappears.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "overview/placement.hpp"

namespace vortelin::overview {

// A longer stretch with no bar is a gap in the data, never bridged by a merge.
constexpr std::int64_t kGapSeconds = 60;

// A mark to draw: from x0 to x1 in pixels, with the bars it stands for, in the
// order of their rows.
struct Mark {
  double x0 = 0;
  double x1 = 0;
  std::size_t group = 0;
  std::vector<std::size_t> bars;  // indices into the bars given
};

// Where a time lands on the picture: x = (t - origin) * pixels_per_second + left.
struct TimeScale {
  std::int64_t origin = 0;
  double pixels_per_second = 1;
  double left = 0;
  double x(std::int64_t t) const {
    return static_cast<double>(t - origin) * pixels_per_second + left;
  }
};

// The marks of `bars`, each bar in group `groups[i]`; every bar is in exactly
// one mark. A bar without an end reaches a pixel past its start.
std::vector<Mark> merge_marks(std::span<const Bar> bars, std::span<const std::size_t> groups,
                              const TimeScale& scale);

}  // namespace vortelin::overview
