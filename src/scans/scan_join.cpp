#include "scans/scan_join.hpp"

#include <algorithm>
#include <limits>
#include <numeric>

namespace vortelin::scans {

ScanJoin::ScanJoin(const std::vector<Sample>& samples)
    : samples_(&samples), windows_(samples.size()), open_(samples.size()) {
  for (std::size_t i = 0; i < samples.size(); ++i) {
    if (samples[i].end) by_end_.push_back(i);
  }
  const auto by_end = [&samples](std::size_t a, std::size_t b) {
    return *samples[a].end < *samples[b].end;
  };
  if (!std::is_sorted(by_end_.begin(), by_end_.end(), by_end)) {
    std::stable_sort(by_end_.begin(), by_end_.end(), by_end);
  }
}

// A sample whose start is at or before `now` begins its count here; one whose
// start is before it has its record in force (the last record so far); one
// whose end is before it is complete.
void ScanJoin::reach_events(std::int64_t now) {
  const std::vector<Sample>& samples = *samples_;
  for (; started_ < samples.size() && samples[started_].start <= now; ++started_) {
    open_[started_].before = counts_;
  }
  for (; decided_ < samples.size() && samples[decided_].start < now; ++decided_) {
    const std::int64_t start = samples[decided_].start;
    if (!any_ || start - last_.time > kGapSeconds) continue;
    Window& window = windows_[decided_];
    window.in_force = InForce{last_.set_point, last_.delta_t, last_.file};
    window.since_change = start - last_.run_start;
    open_[decided_].run = last_.run;
  }
  for (; ended_ < by_end_.size() && *samples[by_end_[ended_]].end < now; ++ended_) {
    const std::size_t i = by_end_[ended_];
    Window& window = windows_[i];
    const Counts& before = open_[i].before;
    const std::uint64_t records = counts_.records - before.records;
    if (records > 0) {
      window.stable =
          static_cast<double>(counts_.stable - before.stable) / static_cast<double>(records);
    }
    // The records from the one in force to the last at or before the end are
    // one run (one set point, no gap over kGapSeconds), and that last one is
    // close enough to the end.
    if (window.in_force) {
      window.whole = last_.run == open_[i].run && *samples[i].end - last_.time <= kGapSeconds;
    }
  }
  constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();
  next_event_ = kNever;
  if (started_ < samples.size()) next_event_ = samples[started_].start;
  if (decided_ < samples.size()) next_event_ = std::min(next_event_, samples[decided_].start + 1);
  if (ended_ < by_end_.size()) {
    next_event_ = std::min(next_event_, *samples[by_end_[ended_]].end + 1);
  }
}

std::vector<Window> ScanJoin::finish() {
  reach_events(std::numeric_limits<std::int64_t>::max());
  return std::move(windows_);
}

}  // namespace vortelin::scans
