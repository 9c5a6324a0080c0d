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
  std::stable_sort(by_end_.begin(), by_end_.end(), [&samples](std::size_t a, std::size_t b) {
    return *samples[a].end < *samples[b].end;
  });
}

// Before a record at `now` is counted: a sample whose start is at or before it
// begins its count here; one whose start is before it has its record in force
// (the last record so far); one whose end is before it is complete.
void ScanJoin::reach(std::int64_t now) {
  const std::vector<Sample>& samples = *samples_;
  for (; started_ < samples.size() && samples[started_].start <= now; ++started_) {
    open_[started_].before = counts_;
  }
  for (; decided_ < samples.size() && samples[decided_].start < now; ++decided_) {
    const std::int64_t start = samples[decided_].start;
    if (!last_ || start - last_->record.time > kGapSeconds) continue;
    Window& window = windows_[decided_];
    const CcnRecord& record = last_->record;
    window.in_force = InForce{record.set_point, record.delta_t, record.file};
    window.since_change = start - last_->run_start;
    open_[decided_].run = last_->run;
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
      window.whole =
          last_->run == open_[i].run && *samples[i].end - last_->record.time <= kGapSeconds;
    }
  }
}

void ScanJoin::add(const CcnRecord& record) {
  reach(record.time);
  const bool same_run = last_ && last_->record.set_point == record.set_point &&
                        record.time - last_->record.time <= kGapSeconds;
  if (same_run) {
    last_->record = record;
  } else {
    const std::uint64_t run = last_ ? last_->run + 1 : 0;
    last_ = Last{record, run, record.time};
  }
  ++counts_.records;
  if (record.stable) ++counts_.stable;
}

std::vector<Window> ScanJoin::finish() {
  reach(std::numeric_limits<std::int64_t>::max());
  return std::move(windows_);
}

}  // namespace vortelin::scans
