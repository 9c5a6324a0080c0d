#include "overview/time_axis.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "overview/civil_time.hpp"

namespace vortelin::overview {

namespace {

// Spacings of ticks, from the shortest: a number of seconds (that divides a
// day, or whole days), days of the month (1, 6, 11, ... or 1, 11, 21), months
// from January, or years that are multiples of the step.
enum class StepKind { seconds, month_days, months, years };
struct Step {
  StepKind kind;
  std::int64_t size;
};

constexpr std::array kSteps{
    Step{StepKind::seconds, 1},      Step{StepKind::seconds, 2},     Step{StepKind::seconds, 5},
    Step{StepKind::seconds, 10},     Step{StepKind::seconds, 15},    Step{StepKind::seconds, 30},
    Step{StepKind::seconds, 60},     Step{StepKind::seconds, 120},   Step{StepKind::seconds, 300},
    Step{StepKind::seconds, 600},    Step{StepKind::seconds, 900},   Step{StepKind::seconds, 1800},
    Step{StepKind::seconds, 3600},   Step{StepKind::seconds, 7200},  Step{StepKind::seconds, 10800},
    Step{StepKind::seconds, 21600},  Step{StepKind::seconds, 43200}, Step{StepKind::seconds, 86400},
    Step{StepKind::seconds, 172800}, Step{StepKind::month_days, 5},  Step{StepKind::month_days, 10},
    Step{StepKind::months, 1},       Step{StepKind::months, 2},      Step{StepKind::months, 3},
    Step{StepKind::months, 6},       Step{StepKind::years, 1},       Step{StepKind::years, 2},
    Step{StepKind::years, 5},        Step{StepKind::years, 10},      Step{StepKind::years, 20},
    Step{StepKind::years, 50},       Step{StepKind::years, 100},     Step{StepKind::years, 200},
    Step{StepKind::years, 500},      Step{StepKind::years, 1000},    Step{StepKind::years, 2000},
    Step{StepKind::years, 5000},     Step{StepKind::years, 10000},
};

constexpr std::array<std::string_view, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// About how far apart the ticks of a step are, in seconds.
std::int64_t typical_length(const Step& step) {
  switch (step.kind) {
    case StepKind::seconds:
      return step.size;
    case StepKind::month_days:
      return step.size * kSecondsPerDay;
    case StepKind::months:
      return step.size * 30 * kSecondsPerDay;
    case StepKind::years:
      return step.size * 365 * kSecondsPerDay;
  }
  return step.size;
}

std::int64_t ceil_multiple(std::int64_t value, std::int64_t step) {
  std::int64_t q = value / step;
  if (q * step < value) ++q;
  return q * step;
}

std::int64_t at_midnight(std::int64_t year, unsigned month, std::int64_t day) {
  return midnight_seconds(
      std::chrono::sys_days{std::chrono::year{static_cast<int>(year)} / std::chrono::month{month} /
                            std::chrono::day{static_cast<unsigned>(day)}});
}

// The tick times of `step` in [from, to]; stops after `limit` + 1 of them.
std::vector<std::int64_t> tick_times(const Step& step, std::int64_t from, std::int64_t to,
                                     std::size_t limit) {
  std::vector<std::int64_t> times;
  const auto keep = [&](std::int64_t t) {
    if (t >= from && t <= to) times.push_back(t);
    return times.size() <= limit && t <= to;
  };
  const CivilTime start = civil_time(from);
  switch (step.kind) {
    case StepKind::seconds:
      for (std::int64_t t = ceil_multiple(from, step.size); keep(t); t += step.size) {
      }
      break;
    case StepKind::month_days:
    case StepKind::months: {
      std::int64_t year = start.year;
      unsigned month = start.month;
      for (bool going = true; going;) {
        if (step.kind == StepKind::month_days) {
          for (std::int64_t day = 1; going && day + step.size <= 31; day += step.size) {
            going = keep(at_midnight(year, month, day));
          }
        } else if ((month - 1) % step.size == 0) {
          going = keep(at_midnight(year, month, 1));
        }
        month = month % 12 + 1;
        if (month == 1) ++year;
      }
      break;
    }
    case StepKind::years:
      for (std::int64_t year = ceil_multiple(start.year, step.size); keep(at_midnight(year, 1, 1));
           year += step.size) {
      }
      break;
  }
  return times;
}

std::string two_digits(int value) {
  return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

std::string year_text(std::int64_t year) {
  std::array<char, 32> text{};
  const int length = std::snprintf(text.data(), text.size(), "%lld", static_cast<long long>(year));
  return {text.data(), static_cast<std::size_t>(length)};
}

Tick labelled(std::int64_t at, const Step& step) {
  const CivilTime t = civil_time(at);
  const std::string date = iso_day(at);
  const std::string clock = two_digits(t.hour) + ":" + two_digits(t.minute);
  const std::string month(kMonths[t.month - 1]);
  switch (step.kind) {
    case StepKind::seconds:
      if (step.size < 60) return {at, clock + ":" + two_digits(t.second), date};
      if (step.size < kSecondsPerDay) return {at, clock, date};
      return {at, std::to_string(t.day) + " " + month, year_text(t.year)};
    case StepKind::month_days:
      return {at, std::to_string(t.day) + " " + month, year_text(t.year)};
    case StepKind::months:
      return {at, month, year_text(t.year)};
    case StepKind::years:
      return {at, year_text(t.year), {}};
  }
  return {at, {}, {}};
}

}  // namespace

TimeAxis make_time_axis(std::int64_t first, std::int64_t last, std::size_t max_ticks) {
  max_ticks = std::max<std::size_t>(max_ticks, 2);
  if (last < first) std::swap(first, last);
  // A margin of a fiftieth of the span on each side (half an hour around a
  // single moment), so that bars at the ends are not cut.
  const std::int64_t span = last - first;
  const std::int64_t margin = span == 0 ? 1800 : std::max<std::int64_t>(span / 50, 1);
  TimeAxis axis{first - margin, last + margin, {}};
  const auto length = axis.to - axis.from;
  for (const Step& step : kSteps) {
    // Steps that would give far too many ticks are not even tried.
    if (length / typical_length(step) > static_cast<std::int64_t>(max_ticks) * 2) continue;
    const auto times = tick_times(step, axis.from, axis.to, max_ticks);
    if (times.size() > max_ticks) continue;
    for (const std::int64_t at : times) axis.ticks.push_back(labelled(at, step));
    break;
  }
  return axis;
}

}  // namespace vortelin::overview
