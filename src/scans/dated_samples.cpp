#include "scans/dated_samples.hpp"

#include <chrono>
#include <cmath>

namespace vortelin::scans {

namespace {

using words::Setting;

int two_digits(const char* at) {
  return (at[0] - '0') * 10 + (at[1] - '0');
}

SettingCell setting_of(const Settings& own, const Settings& labelled, Setting setting) {
  const SettingCell& cell = own[words::index_of(setting)];
  return cell.state == CellState::no_cell ? labelled[words::index_of(setting)] : cell;
}

}  // namespace

calendar::WrittenDate written_date(const ShapeText& date) {
  const bool four_digits = date.century[0] != '\0';
  const int year =
      two_digits(&date.bytes[6]) + (four_digits ? two_digits(date.century.data()) * 100 : 0);
  return {two_digits(&date.bytes[0]), two_digits(&date.bytes[3]), year, four_digits ? 4 : 2};
}

std::optional<std::int32_t> seconds_of_day(const ShapeText& time) {
  return calendar::time_of_day(two_digits(&time.bytes[0]), two_digits(&time.bytes[3]),
                               two_digits(&time.bytes[6]));
}

std::optional<float> duration_of(const Settings& own, const Settings& labelled) {
  const SettingCell up = setting_of(own, labelled, Setting::scan_up);
  if (up.state != CellState::value) return std::nullopt;
  const SettingCell retrace = setting_of(own, labelled, Setting::retrace);
  const SettingCell scans = setting_of(own, labelled, Setting::scans);
  const float retrace_time = retrace.state == CellState::value ? retrace.real : 0.0F;
  const std::int32_t count =
      scans.state == CellState::value && scans.integer >= 1 ? scans.integer : 1;
  const float duration = static_cast<float>(count) * (up.real + retrace_time);
  if (!std::isfinite(duration) || duration < 0) return std::nullopt;
  return duration;
}

std::optional<std::int64_t> end_of(std::int64_t start, float duration) {
  const double rounded = std::floor(static_cast<double>(duration) + 0.5);
  const double last = static_cast<double>(calendar::last_moment().time_since_epoch().count());
  if (static_cast<double>(start) + rounded > last) return std::nullopt;
  return start + static_cast<std::int64_t>(rounded);
}

DatedExport date_samples(const ExportReading& reading, std::string_view name,
                         calendar::OrderOption option, std::uint32_t export_index) {
  DatedExport dated;
  calendar::OrderEvidence evidence;
  for (const RawSample& raw : reading.samples) {
    if (raw.date) calendar::note_date(evidence, written_date(*raw.date));
  }
  dated.decision = calendar::decide_order(evidence, name, option);
  if (dated.decision.basis == calendar::OrderBasis::contradictory) return dated;

  std::uint32_t order = 0;
  for (const RawSample& raw : reading.samples) {
    const std::uint32_t place = order++;
    const std::optional<std::int32_t> clock = raw.time ? seconds_of_day(*raw.time) : std::nullopt;
    if (!raw.date || !clock) {
      ++dated.without_date_or_time;
      continue;
    }
    const auto day = calendar::civil_day(written_date(*raw.date), dated.decision.order);
    if (!day) {
      ++dated.no_such_date;
      continue;
    }
    Sample sample{export_index, place,
                  raw.number,   std::chrono::sys_seconds{*day}.time_since_epoch().count() + *clock,
                  {},           {}};
    sample.duration = duration_of(raw.settings, reading.labelled);
    if (sample.duration) {
      sample.end = end_of(sample.start, *sample.duration);
      if (!sample.end) sample.duration.reset();
    }
    dated.samples.push_back(std::move(sample));
  }
  return dated;
}

}  // namespace vortelin::scans
