#include "scans/ccn_reading.hpp"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "scanners/field_text.hpp"
#include "scanners/repeated_values.hpp"
#include "scans/record_time.hpp"
#include "text/fatal.hpp"
#include "text/value_reader.hpp"

namespace vortelin::scans {

namespace {

constexpr int kHeaderLines = 6;
constexpr std::size_t kValuesColumn = 9;  // the values start at the record's 10th character
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int32_t kHalfDay = 43200;

// A record's three values: the set point, the stabilised flag, the
// temperature difference. A null leaves an item as it was, so every item
// starts as NaN: one still NaN was not read.
struct RecordValues {
  float set_point = 0;
  float flag = 0;
  float delta_t = 0;
  bool read = false;
};

void read_record_values(std::string_view text, RecordValues& values, RepeatedValues& last) {
  // A text that starts as the previous one's did gives the same values.
  if (repeats(last, text)) return;
  constexpr float kUnread = std::numeric_limits<float>::quiet_NaN();
  values = {kUnread, kUnread, kUnread, false};
  const std::array<ValueTarget, 3> items{&values.set_point, &values.flag, &values.delta_t};
  try {
    remember(last, text, read_values(text, items));
  } catch (const FatalCondition&) {
    last.looked_at = 0;
    return;
  }
  values.read = std::isfinite(values.set_point) && std::isfinite(values.flag) &&
                std::isfinite(values.delta_t);
}

}  // namespace

void read_ccn_records(InChannel& data, const CcnPlacement& placement, Timeline& timeline,
                      CcnCounts& counts) {
  RawRecord record;
  for (int i = 0; i < kHeaderLines; ++i) {
    if (read_record(data, kMaxFieldLength, Handling::end_of_file, record) != Outcome::record) {
      return;
    }
  }
  std::int64_t day = placement.day_start + placement.offset;  // midnight of the record's day
  std::int32_t previous = kNoTime;                            // the last time of day that read
  RepeatedValues last;
  RecordValues values;
  while (read_record(data, kMaxFieldLength, Handling::end_of_file, record) == Outcome::record) {
    const std::int32_t clock = record_seconds(record.text);
    if (clock == kNoTime) {
      ++counts.skipped;
      continue;
    }
    if (previous != kNoTime && previous - clock > kHalfDay) day += kSecondsPerDay;
    previous = clock;
    read_record_values(text_from(record.text, kValuesColumn), values, last);
    if (!values.read) {
      ++counts.skipped;
      continue;
    }
    ++counts.read;
    const CcnRecord placed{day + clock, placement.file, values.set_point, values.delta_t,
                           values.flag == 1.0F};
    if (!timeline.add(placed, day)) return;
  }
}

}  // namespace vortelin::scans
