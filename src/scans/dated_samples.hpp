// An export's samples placed on the time line: the order of day and month
// decided for the whole file, each sample's start and duration, and the
// samples left out because they have no date or time or no such day.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date_order.hpp"
#include "scans/export_reading.hpp"

namespace vortelin::scans {

// A sample ready for the join; times are seconds since 1970-01-01.
struct Sample {
  std::uint32_t export_index = 0;  // which export, in the run's list of them
  std::uint32_t order = 0;         // its place in the export
  std::string number;
  std::int64_t start = 0;
  std::optional<float> duration;  // seconds
  std::optional<std::int64_t> end;
};

struct DatedExport {
  calendar::OrderDecision decision;
  std::vector<Sample> samples;  // none when the file contradicts itself
  std::size_t without_date_or_time = 0;
  std::size_t no_such_date = 0;
};

// The date a shape holds, in the order it was written.
calendar::WrittenDate written_date(const ShapeText& date);
// Seconds since midnight of a time shape, when it is a time of day.
std::optional<std::int32_t> seconds_of_day(const ShapeText& time);

// Scans per sample x (scan up time + retrace time) in 32-bit float arithmetic:
// a sample's own cell where it has one, else the file's labelled value; the
// scans 1 when absent or below 1, the retrace 0 when absent. None without a
// scan up time, or when the result is negative or not finite.
std::optional<float> duration_of(const Settings& own, const Settings& labelled);

// The start plus the duration rounded to whole seconds, halves up; none when
// that is past the end of year 9999.
std::optional<std::int64_t> end_of(std::int64_t start, float duration);

DatedExport date_samples(const ExportReading& reading, std::string_view name,
                         calendar::OrderOption option, std::uint32_t export_index);

}  // namespace vortelin::scans
