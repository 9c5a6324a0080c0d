#include "overview/placement.hpp"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace vortelin::overview {

namespace {

// Day first when asked, or when a date of the table has a first part above 12
// and so cannot be month first.
DateOrder choose_order(const std::vector<TableRow>& rows, DateOrderChoice choice,
                       std::initializer_list<std::string_view (*)(std::string_view)> dates,
                       bool& detected) {
  detected = false;
  for (const TableRow& row : rows) {
    for (const auto date : dates) {
      const auto parts = read_date_parts(date(row.text));
      if (parts && parts->first > 12) detected = true;
    }
    if (detected) break;
  }
  return choice == DateOrderChoice::day_first || detected ? DateOrder::day_first
                                                          : DateOrder::month_first;
}

bool blank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

// Keeps the first reason a row is left out for.
std::nullopt_t fail(std::string& reason, std::initializer_list<std::string_view> words) {
  if (reason.empty()) {
    for (const std::string_view word : words) reason += word;
  }
  return std::nullopt;
}

// Seconds since 1970-01-01 of a date and a time field, or why they are no time.
std::optional<std::int64_t> moment(std::string_view date, std::string_view time, DateOrder order,
                                   std::string_view what, std::string& reason) {
  const auto parts = read_date_parts(date);
  if (!parts) return fail(reason, {blank(date) ? "blank " : "malformed ", what, " date"});
  const auto day = day_number(*parts, order);
  if (!day) {
    return fail(reason, {"no such ", what, " date in ",
                         order == DateOrder::month_first ? "month/day/year" : "day/month/year"});
  }
  const auto seconds = read_clock_time(time);
  if (!seconds) return fail(reason, {blank(time) ? "blank " : "malformed ", what, " time"});
  return *day * kSecondsPerDay + *seconds;
}

// A right-aligned number field; nullopt for blanks, asterisks or anything else.
std::optional<double> read_number(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text.remove_prefix(first);
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::string_view smps_first_date(std::string_view row) {
  return row_field(row, SmpsColumn::first_date);
}
std::string_view smps_last_date(std::string_view row) {
  return row_field(row, SmpsColumn::last_date);
}
std::string_view ccn_date(std::string_view row) {
  return row_field(row, CcnColumn::date);
}

LeftOut left_out(const TableRow& row, TableKind kind, std::string reason) {
  return {row.line, std::move(reason), std::string(row_file(row.text, kind))};
}

}  // namespace

Placement place_smps(const std::vector<TableRow>& rows, DateOrderChoice choice) {
  Placement placement;
  placement.order =
      choose_order(rows, choice, {smps_first_date, smps_last_date}, placement.day_first_detected);
  for (std::size_t index = 0; index < rows.size(); ++index) {
    const std::string_view text = rows[index].text;
    std::string reason;
    const auto start =
        moment(row_field(text, SmpsColumn::first_date), row_field(text, SmpsColumn::first_time),
               placement.order, "first", reason);
    const auto end =
        moment(row_field(text, SmpsColumn::last_date), row_field(text, SmpsColumn::last_time),
               placement.order, "last", reason);
    if (start && end && *end < *start) fail(reason, {"the last scan is before the first"});
    if (!start || !end || !reason.empty()) {
      placement.left_out.push_back(left_out(rows[index], TableKind::smps, reason));
      continue;
    }
    placement.bars.push_back({*start, *end, 0, index});
  }
  return placement;
}

Placement place_ccn(const std::vector<TableRow>& rows, DateOrderChoice choice) {
  Placement placement;
  placement.order = choose_order(rows, choice, {ccn_date}, placement.day_first_detected);
  const TableRow* previous = nullptr;  // the row of the last bar placed
  for (std::size_t index = 0; index < rows.size(); ++index) {
    const std::string_view text = rows[index].text;
    std::string reason;
    const std::string_view date = row_field(text, CcnColumn::date);
    auto start =
        moment(date, row_field(text, CcnColumn::start_time), placement.order, "start", reason);
    const auto end_of_day = read_clock_time(row_field(text, CcnColumn::end_time));
    const auto set_point = read_number(row_field(text, CcnColumn::set_point));
    if (!end_of_day) {
      fail(reason,
           {blank(row_field(text, CcnColumn::end_time)) ? "blank " : "malformed ", "end time"});
    }
    if (!set_point) fail(reason, {"the set point is not a number"});
    if (!start || !end_of_day || !set_point) {
      placement.left_out.push_back(left_out(rows[index], TableKind::ccnc, reason));
      continue;
    }
    if (previous != nullptr &&
        row_file(previous->text, TableKind::ccnc) == row_file(text, TableKind::ccnc) &&
        row_field(previous->text, CcnColumn::date) == date &&
        row_field(previous->text, CcnColumn::end_time) == row_field(text, CcnColumn::start_time)) {
      start = placement.bars.back().end;
    }
    const std::int64_t start_of_day = *read_clock_time(row_field(text, CcnColumn::start_time));
    const std::int64_t length = (*end_of_day - start_of_day + kSecondsPerDay) % kSecondsPerDay;
    placement.bars.push_back({*start, *start + length, *set_point, index});
    previous = &rows[index];
  }
  return placement;
}

}  // namespace vortelin::overview
