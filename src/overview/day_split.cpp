#include "overview/day_split.hpp"

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

#include "overview/civil_time.hpp"

namespace vortelin::overview {

std::int64_t first_day(const Bar& bar) {
  return day_number(bar.start);
}

std::int64_t last_day(const Bar& bar) {
  return bar.end > bar.start ? day_number(bar.end - 1) : day_number(bar.start);
}

DaysWithData days_with_data(std::span<const std::span<const Bar>> lanes, std::size_t limit) {
  std::vector<std::pair<std::int64_t, std::int64_t>> covered;
  for (const auto bars : lanes) {
    for (const Bar& bar : bars) covered.emplace_back(first_day(bar), last_day(bar));
  }
  std::sort(covered.begin(), covered.end());
  DaysWithData result;
  std::int64_t next = std::numeric_limits<std::int64_t>::min();  // the first day not yet taken
  for (const auto& [from, to] : covered) {
    for (std::int64_t day = std::max(from, next); day <= to; ++day) {
      if (result.days.size() == limit) {
        result.beyond_limit += to - day + 1;
        break;
      }
      result.days.push_back(day);
    }
    next = std::max(next, to + 1);
  }
  return result;
}

bool spans_more_days_than(std::span<const std::span<const Bar>> lanes, std::int64_t days) {
  std::int64_t first = std::numeric_limits<std::int64_t>::max();
  std::int64_t last = std::numeric_limits<std::int64_t>::min();
  for (const auto bars : lanes) {
    for (const Bar& bar : bars) {
      first = std::min(first, first_day(bar));
      last = std::max(last, last_day(bar));
    }
  }
  return first <= last && last - first + 1 > days;
}

std::vector<std::vector<std::size_t>> bars_by_day(std::span<const Bar> bars,
                                                  std::span<const std::int64_t> days) {
  std::vector<std::size_t> by_start(bars.size());
  std::iota(by_start.begin(), by_start.end(), std::size_t{0});
  std::stable_sort(by_start.begin(), by_start.end(),
                   [&](std::size_t a, std::size_t b) { return bars[a].start < bars[b].start; });
  std::vector<std::vector<std::size_t>> on_day(days.size());
  for (const std::size_t i : by_start) {
    const std::int64_t last = last_day(bars[i]);
    for (auto day = std::lower_bound(days.begin(), days.end(), first_day(bars[i]));
         day != days.end() && *day <= last; ++day) {
      on_day[static_cast<std::size_t>(day - days.begin())].push_back(i);
    }
  }
  return on_day;
}

Bar cut_to_day(const Bar& bar, std::int64_t day, std::size_t index) {
  const std::int64_t from = day * kSecondsPerDay;
  const std::int64_t to = from + kSecondsPerDay;
  Bar cut = bar;
  cut.start = std::clamp(bar.start, from, to);
  cut.end = std::clamp(bar.end, cut.start, to);
  cut.row = index;
  return cut;
}

}  // namespace vortelin::overview
