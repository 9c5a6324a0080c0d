// Rows of the tables placed on the time line: SMPS exports from their first to
// their last scan, CCN segments from their start to their end time at their set
// point. The order of day and month is decided for each row from the row alone
// (its dates, its file's name, the option), never from its neighbours. Rows
// that cannot be placed are left out with the reason.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "calendar/date_order.hpp"
#include "overview/table_reader.hpp"

namespace vortelin::overview {

// One placed row: seconds since 1970-01-01, start <= end.
struct Bar {
  std::int64_t start = 0;
  std::int64_t end = 0;
  double set_point = 0;  // CCN segments and samples
  std::size_t row = 0;   // index into the table's rows
  bool no_end = false;   // a sample of unknown length: drawn a pixel wide from its start
};

// How the placed rows' dates were read.
struct DateTally {
  std::size_t month_first = 0;  // month first, by whatever rule (or either way)
  std::size_t day_first = 0;
  std::size_t by_default = 0;  // month first only because nothing told
};

struct Placement {
  std::vector<Bar> bars;
  std::vector<LeftOut> left_out;
  DateTally dates;
};

// The SMPS rows as bars; an export whose last scan is before its first is left
// out. A row's evidence is its first and last scan date.
Placement place_smps(const std::vector<TableRow>& rows, calendar::OrderOption option);

// The CCN rows as bars. A segment whose end time is before its start time ends
// on the next day; a segment that continues the one before it in the same file
// (it starts at that one's end time) starts where that one ended, so a file
// that runs past midnight keeps its later segments on their own days.
Placement place_ccn(const std::vector<TableRow>& rows, calendar::OrderOption option);

}  // namespace vortelin::overview
