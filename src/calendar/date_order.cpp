#include "calendar/date_order.hpp"

#include <algorithm>

namespace vortelin::calendar {

namespace {

constexpr bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

int digits_value(std::string_view digits) {
  int value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

std::string_view base_name(std::string_view name) {
  const std::size_t slash = name.find_last_of("/\\");
  return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

// The date a run of digits stamps, when its length is one a stamp has.
std::optional<std::chrono::sys_days> stamp_of(std::string_view run) {
  std::size_t year_digits = 0;
  if (run.size() == 6 || run.size() == 12) year_digits = 2;
  if (run.size() == 8 || run.size() == 14) year_digits = 4;
  if (year_digits == 0) return std::nullopt;
  const WrittenDate date{digits_value(run.substr(year_digits, 2)),
                         digits_value(run.substr(year_digits + 2, 2)),
                         digits_value(run.substr(0, year_digits)), static_cast<int>(year_digits)};
  return civil_day(date, DateOrder::month_first);
}

}  // namespace

void note_date(OrderEvidence& evidence, const WrittenDate& date) {
  if (date.first > 12) evidence.first_over_12 = true;
  if (date.second > 12) evidence.second_over_12 = true;
  if (date.first != date.second) evidence.order_matters = true;
  if (!evidence.first_date) evidence.first_date = date;
}

std::vector<std::chrono::sys_days> name_date_stamps(std::string_view file_name) {
  std::vector<std::chrono::sys_days> stamps;
  std::string_view rest = base_name(file_name);
  while (!rest.empty()) {
    const auto start = std::find_if(rest.begin(), rest.end(), is_digit);
    const auto end = std::find_if_not(start, rest.end(), is_digit);
    const std::string_view run(start, end);
    if (const auto stamp = stamp_of(run)) stamps.push_back(*stamp);
    rest.remove_prefix(static_cast<std::size_t>(end - rest.begin()));
  }
  return stamps;
}

OrderDecision decide_order(const OrderEvidence& evidence, std::string_view file_name,
                           OrderOption option) {
  if (evidence.first_over_12 && evidence.second_over_12) return {{}, OrderBasis::contradictory};
  if (evidence.first_over_12) return {DateOrder::day_first, OrderBasis::own_dates};
  if (evidence.second_over_12) return {DateOrder::month_first, OrderBasis::own_dates};
  if (!evidence.order_matters) return {DateOrder::month_first, OrderBasis::not_needed};

  const std::vector<std::chrono::sys_days> stamps = name_date_stamps(file_name);
  const auto stamped = [&](DateOrder order) {
    const auto day = civil_day(*evidence.first_date, order);
    return day && std::find(stamps.begin(), stamps.end(), *day) != stamps.end();
  };
  const bool month_first = stamped(DateOrder::month_first);
  if (month_first != stamped(DateOrder::day_first)) {
    return {month_first ? DateOrder::month_first : DateOrder::day_first, OrderBasis::file_name};
  }
  if (option == OrderOption::day_first) return {DateOrder::day_first, OrderBasis::option};
  if (option == OrderOption::month_first) return {DateOrder::month_first, OrderBasis::option};
  return {DateOrder::month_first, OrderBasis::by_default};
}

}  // namespace vortelin::calendar
