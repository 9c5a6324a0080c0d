#include "overview/placement.hpp"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "overview/civil_time.hpp"

namespace vortelin::overview {

namespace {

using calendar::DateOrder;
using calendar::OrderBasis;
using calendar::OrderDecision;

// The order of one row's dates, from the dates it holds and its file's name.
OrderDecision row_order(std::initializer_list<std::string_view> dates, std::string_view file,
                        calendar::OrderOption option) {
  calendar::OrderEvidence evidence;
  for (const std::string_view date : dates) {
    if (const auto written = read_written_date(date)) note_date(evidence, *written);
  }
  return decide_order(evidence, file, option);
}

void tally(DateTally& dates, const OrderDecision& decision) {
  if (decision.order == DateOrder::day_first) {
    ++dates.day_first;
  } else {
    ++dates.month_first;
    if (decision.basis == OrderBasis::by_default) ++dates.by_default;
  }
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
  const auto written = read_written_date(date);
  if (!written) return fail(reason, {blank(date) ? "blank " : "malformed ", what, " date"});
  const auto day = calendar::civil_day(*written, order);
  if (!day) {
    return fail(reason, {"no such ", what, " date in ",
                         order == DateOrder::month_first ? "month/day/year" : "day/month/year"});
  }
  const auto seconds = read_clock_time(time);
  if (!seconds) return fail(reason, {blank(time) ? "blank " : "malformed ", what, " time"});
  return midnight_seconds(*day) + *seconds;
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

constexpr std::string_view kContradictory = "its dates are day first and month first";

LeftOut left_out(const TableRow& row, TableKind kind, std::string reason) {
  return {row.line, std::move(reason), std::string(row_file(row.text, kind)), {}};
}

}  // namespace

Placement place_smps(const std::vector<TableRow>& rows, calendar::OrderOption option) {
  Placement placement;
  for (std::size_t index = 0; index < rows.size(); ++index) {
    const std::string_view text = rows[index].text;
    const std::string_view first_date = row_field(text, SmpsColumn::first_date);
    const std::string_view last_date = row_field(text, SmpsColumn::last_date);
    const OrderDecision decision =
        row_order({first_date, last_date}, row_file(text, TableKind::smps), option);
    std::string reason;
    if (decision.basis == OrderBasis::contradictory) {
      placement.left_out.push_back(
          left_out(rows[index], TableKind::smps, std::string(kContradictory)));
      continue;
    }
    const auto start = moment(first_date, row_field(text, SmpsColumn::first_time), decision.order,
                              "first", reason);
    const auto end =
        moment(last_date, row_field(text, SmpsColumn::last_time), decision.order, "last", reason);
    if (start && end && *end < *start) fail(reason, {"the last scan is before the first"});
    if (!start || !end || !reason.empty()) {
      placement.left_out.push_back(left_out(rows[index], TableKind::smps, reason));
      continue;
    }
    placement.bars.push_back({*start, *end, 0, index, false});
    tally(placement.dates, decision);
  }
  return placement;
}

Placement place_ccn(const std::vector<TableRow>& rows, calendar::OrderOption option) {
  Placement placement;
  const TableRow* previous = nullptr;  // the row of the last bar placed
  for (std::size_t index = 0; index < rows.size(); ++index) {
    const std::string_view text = rows[index].text;
    const std::string_view date = row_field(text, CcnColumn::date);
    const OrderDecision decision = row_order({date}, row_file(text, TableKind::ccnc), option);
    if (decision.basis == OrderBasis::contradictory) {
      placement.left_out.push_back(
          left_out(rows[index], TableKind::ccnc, std::string(kContradictory)));
      continue;
    }
    std::string reason;
    auto start =
        moment(date, row_field(text, CcnColumn::start_time), decision.order, "start", reason);
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
    placement.bars.push_back({*start, *start + length, *set_point, index, false});
    tally(placement.dates, decision);
    previous = &rows[index];
  }
  return placement;
}

}  // namespace vortelin::overview
