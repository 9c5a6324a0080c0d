// Splitting a campaign into calendar days: the days that hold data, each
// drawn as a strip of its own, the empty days between them, and each bar cut
// to the days it covers (a bar across midnight is in both days).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "overview/placement.hpp"

namespace vortelin::overview {

// The first and last day a bar covers (days since 1970-01-01). A bar that
// ends at a midnight does not cover the day that starts there.
std::int64_t first_day(const Bar& bar);
std::int64_t last_day(const Bar& bar);

struct DaysWithData {
  std::vector<std::int64_t> days;  // ascending, at most the limit asked for
  std::int64_t beyond_limit = 0;   // more days with data, not in `days`
};

// The days any bar of `lanes` covers.
DaysWithData days_with_data(std::span<const std::span<const Bar>> lanes, std::size_t limit);

// Whether the bars of `lanes` cover more than `days` calendar days from the
// first to the last (empty days between them count).
bool spans_more_days_than(std::span<const std::span<const Bar>> lanes, std::int64_t days);

// For each of `days`, the indices of the bars of `bars` that cover it, by start.
std::vector<std::vector<std::size_t>> bars_by_day(std::span<const Bar> bars,
                                                  std::span<const std::int64_t> days);

// `bar` cut to `day`, with `index` as its row.
Bar cut_to_day(const Bar& bar, std::int64_t day, std::size_t index);

}  // namespace vortelin::overview
