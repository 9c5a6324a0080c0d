#include "overview/bar_merge.hpp"

#include <algorithm>
#include <numeric>

namespace vortelin::overview {

namespace {

// The stretch of data each bar belongs to: bars that overlap or follow each
// other within kGapSeconds share a stretch.
std::vector<std::size_t> data_stretches(std::span<const Bar> bars,
                                        const std::vector<std::size_t>& by_start) {
  std::vector<std::size_t> stretch(bars.size());
  std::size_t current = 0;
  std::int64_t covered_to = 0;
  for (std::size_t k = 0; k < by_start.size(); ++k) {
    const Bar& bar = bars[by_start[k]];
    if (k > 0 && bar.start - covered_to > kGapSeconds) ++current;
    covered_to = k == 0 ? bar.end : std::max(covered_to, bar.end);
    stretch[by_start[k]] = current;
  }
  return stretch;
}

}  // namespace

std::vector<Mark> merge_marks(std::span<const Bar> bars, std::span<const std::size_t> groups,
                              const TimeScale& scale) {
  std::vector<std::size_t> by_start(bars.size());
  std::iota(by_start.begin(), by_start.end(), std::size_t{0});
  std::stable_sort(by_start.begin(), by_start.end(),
                   [&](std::size_t a, std::size_t b) { return bars[a].start < bars[b].start; });
  const std::vector<std::size_t> stretch = data_stretches(bars, by_start);

  // Walks the bars by start; each group has its open mark, and its stretch.
  std::vector<Mark> marks;
  std::vector<std::size_t> open;  // by group: index into marks + 1, 0 for none
  for (const std::size_t i : by_start) {
    const std::size_t group = groups[i];
    if (group >= open.size()) open.resize(group + 1, 0);
    const double x0 = scale.x(bars[i].start);
    const double x1 = bars[i].no_end ? x0 + 1 : scale.x(bars[i].end);
    if (open[group] != 0) {
      Mark& mark = marks[open[group] - 1];
      if (stretch[mark.bars.back()] == stretch[i] && x0 - mark.x1 < 1.0) {
        mark.x1 = std::max(mark.x1, x1);
        mark.bars.push_back(i);
        continue;
      }
    }
    marks.push_back({x0, x1, group, {i}});
    open[group] = marks.size();
  }
  for (Mark& mark : marks) std::sort(mark.bars.begin(), mark.bars.end());
  return marks;
}

}  // namespace vortelin::overview
