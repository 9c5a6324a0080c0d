// A record of a CCN data file on the merged time line of every CCN file.
#pragma once

#include <cstdint>
#include <tuple>

namespace vortelin::scans {

// The gap between two records, in seconds, above which the counter was not
// running steadily: a set point's run ends there, and a sample's window needs
// a record at most this long before its start and its end.
inline constexpr std::int64_t kGapSeconds = 10;

struct CcnRecord {
  std::int64_t time = 0;   // seconds since 1970-01-01, the offset added
  std::uint32_t file = 0;  // the file's place in the order of reading
  float set_point = 0;
  float delta_t = 0;
  bool stable = false;  // the stabilised flag is 1
};

// The time line's order: by time, and records of equal time in the order they
// were read: files in the order of reading, then (as records are kept in the
// order of their lines and sorted stably) lines.
inline bool comes_before(const CcnRecord& a, const CcnRecord& b) {
  return std::tie(a.time, a.file) < std::tie(b.time, b.file);
}

}  // namespace vortelin::scans
