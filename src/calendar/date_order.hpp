// Whether a file's dates are month first or day first, decided per file (or per
// table row) from its own evidence, never from its neighbours': its own dates
// first, then the date stamps in its name, then what the user asked for, and
// month first when nothing tells.
#pragma once

#include <chrono>
#include <optional>
#include <string_view>
#include <vector>

#include "calendar/civil_date.hpp"

namespace vortelin::calendar {

// What a file's own dates say about their order.
struct OrderEvidence {
  bool first_over_12 = false;             // some date can only be day first
  bool second_over_12 = false;            // some date can only be month first
  bool order_matters = false;             // some date reads differently either way (not 05/05/13)
  std::optional<WrittenDate> first_date;  // the first date met
};

// Adds one of the file's dates, in the order they are met.
void note_date(OrderEvidence& evidence, const WrittenDate& date);

// What the user asked for on the command line.
enum class OrderOption { none, day_first, month_first };

// Why an order was chosen.
enum class OrderBasis {
  own_dates,      // a part over 12
  not_needed,     // every date reads the same either way, or there is none
  file_name,      // one reading of the first date is a date stamp of the name
  option,         // --day-first or --month-first
  by_default,     // nothing told: month first
  contradictory,  // day first by one date, month first by another: no order
};

struct OrderDecision {
  DateOrder order = DateOrder::month_first;  // meaningless when contradictory
  OrderBasis basis = OrderBasis::by_default;
};

// The file name's date stamps: every maximal run of ASCII digits in its base
// name (after the last '/' or '\') that is 6 digits (yymmdd), 8 (yyyymmdd), 12
// (yymmdd and a time of day) or 14 (yyyymmdd and a time of day), whose date is
// a real day. The time of day is not checked.
std::vector<std::chrono::sys_days> name_date_stamps(std::string_view file_name);

// The order of a file's dates, from its evidence, its name and the option.
OrderDecision decide_order(const OrderEvidence& evidence, std::string_view file_name,
                           OrderOption option);

}  // namespace vortelin::calendar
