#include "scans/scans_rows.hpp"

#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>

#include "calendar/civil_date.hpp"
#include "tables/csv.hpp"
#include "tables/scans_table.hpp"

namespace vortelin::scans {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// "2026-02-05T17:48:02".
void append_moment(std::string& out, std::int64_t seconds, DayText& day) {
  constexpr std::int64_t kDay = 86400;
  const std::int64_t days = seconds / kDay - (seconds % kDay < 0 ? 1 : 0);
  if (days != day.day) {
    day.day = days;
    day.text = calendar::iso_date(std::chrono::sys_days{std::chrono::days{days}});
  }
  const auto of_day = static_cast<int>(seconds - days * kDay);
  const int parts[3] = {of_day / 3600, of_day / 60 % 60, of_day % 60};
  out += day.text;
  for (std::size_t i = 0; i < 3; ++i) {
    out += i == 0 ? 'T' : ':';
    out += static_cast<char>('0' + parts[i] / 10);
    out += static_cast<char>('0' + parts[i] % 10);
  }
}

void append_integer(std::string& out, std::int64_t value) {
  std::array<char, 24> text{};
  const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc{}) out.append(text.data(), end);
}

// The fraction as "%.3f" writes it.
void append_fraction(std::string& out, double value) {
  std::array<char, 32> text{};
  const int length = std::snprintf(text.data(), text.size(), "%.3f", value);
  if (length > 0) out.append(text.data(), static_cast<std::size_t>(length));
}

}  // namespace

void append_float(std::string& out, float value) {
  std::array<char, 32> text{};
  const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc{}) out.append(text.data(), end);
}

std::string header_row() {
  std::string row;
  for (const std::string_view name : kScansColumnNames) {
    if (!row.empty()) row += ',';
    row += name;
  }
  row += kLineEnd;
  return row;
}

void append_row(std::string& out, const Sample& sample, std::string_view export_name,
                const Window& window, std::string_view ccn_file, DayText& day) {
  append_csv_field(out, export_name);
  out += ',';
  append_csv_field(out, sample.number);
  out += ',';
  append_moment(out, sample.start, day);
  out += ',';
  if (sample.end) append_moment(out, *sample.end, day);
  out += ',';
  if (sample.duration) append_float(out, *sample.duration);
  out += ',';
  if (window.in_force) append_float(out, window.in_force->set_point);
  out += ',';
  if (window.in_force) append_float(out, window.in_force->delta_t);
  out += ',';
  if (window.whole) out += *window.whole ? kWholeYes : kWholeNo;
  out += ',';
  if (window.in_force) append_integer(out, window.since_change);
  out += ',';
  if (window.stable) append_fraction(out, *window.stable);
  out += ',';
  if (window.in_force) append_csv_field(out, ccn_file);
  out += kLineEnd;
}

}  // namespace vortelin::scans
