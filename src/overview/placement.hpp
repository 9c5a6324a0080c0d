// Rows of the tables placed on the time line: SMPS exports from their first to
// their last scan, CCN segments from their start to their end time at their set
// point. Rows that cannot be placed are left out with the reason.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "overview/civil_time.hpp"
#include "overview/table_reader.hpp"

namespace vortelin::overview {

// One placed row: seconds since 1970-01-01, start <= end.
struct Bar {
  std::int64_t start = 0;
  std::int64_t end = 0;
  double set_point = 0;  // CCN segments only
  std::size_t row = 0;   // index into the table's rows
};

struct Placement {
  std::vector<Bar> bars;
  std::vector<LeftOut> left_out;
  DateOrder order = DateOrder::month_first;
  bool day_first_detected = false;  // some date's first part is above 12
};

// How the dates of a table are read: month/day/year unless the caller asks for
// day first, or the table's own dates can only be day first.
enum class DateOrderChoice { detect, day_first };

// The SMPS rows as bars; an export whose last scan is before its first is left out.
Placement place_smps(const std::vector<TableRow>& rows, DateOrderChoice choice);

// The CCN rows as bars. A segment whose end time is before its start time ends
// on the next day; a segment that continues the one before it in the same file
// (it starts at that one's end time) starts where that one ended, so a file
// that runs past midnight keeps its later segments on their own days.
Placement place_ccn(const std::vector<TableRow>& rows, DateOrderChoice choice);

}  // namespace vortelin::overview
