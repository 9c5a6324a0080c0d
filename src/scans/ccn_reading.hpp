// The records of one CCN data file, placed on the time line: each at the time
// its first 8 characters give, on the day of the file's date, the next day
// once a time is more than 12 hours before the one before it (a file that runs
// past midnight), moved by the counter's clock offset.
#pragma once

#include <cstdint>

#include "scans/timeline.hpp"
#include "text/in_channel.hpp"

namespace vortelin::scans {

struct CcnPlacement {
  std::int64_t day_start = 0;  // the file's date at midnight, seconds since 1970-01-01
  std::int64_t offset = 0;     // seconds added to every time
  std::uint32_t file = 0;      // the file's place in the order of reading
};

struct CcnCounts {
  std::uint64_t read = 0;     // records placed on the time line
  std::uint64_t skipped = 0;  // lines from the seventh on whose time or values did not read
};

// Reads `data` from its first byte to its end, adds its records to `timeline`
// and counts them in `counts`. A record whose time, set point, stabilised flag
// or temperature difference does not read, is left empty or is not finite is
// skipped. Reading stops where the time line takes no more. A read that fails
// throws FatalCondition; what came before it stays added and counted.
void read_ccn_records(InChannel& data, const CcnPlacement& placement, Timeline& timeline,
                      CcnCounts& counts);

}  // namespace vortelin::scans
