// The picture as a strip per calendar day that holds data, each with its own
// 00:00 to 24:00 axis, the SMPS lane above the CCN set points; a run of days
// without data between two strips is one thin labelled separator.
#include <algorithm>
#include <array>
#include <string>

#include "overview/civil_time.hpp"
#include "overview/day_split.hpp"
#include "overview/picture_parts.hpp"
#include "overview/svg_elements.hpp"

namespace vortelin::overview {

namespace {

// The layout, in pixels; within a strip, from the strip's top.
constexpr double kStripsTop = 70;
constexpr double kStripHeight = 84;
constexpr double kSeparatorHeight = 24;
constexpr double kSmpsTop = 2;
constexpr double kSmpsBottom = 22;
constexpr double kCcnTop = 26;
constexpr double kCcnBottom = 62;
constexpr double kCcnInset = 4;
constexpr double kSegmentHeight = 4;
constexpr int kHoursPerTick = 3;

TimeScale day_scale(std::int64_t day) {
  return {day * kSecondsPerDay, (kPlotRight - kPlotLeft) / static_cast<double>(kSecondsPerDay),
          kPlotLeft};
}

std::string days_without_data(std::int64_t count) {
  return std::to_string(count) + (count == 1 ? " day" : " days") + " without data";
}

void append_separator(std::string& out, double top, std::int64_t empty_days) {
  open_element(out, "line",
               {{"x1", kPlotLeft}, {"y1", top + 4}, {"x2", kPlotRight}, {"y2", top + 4}});
  out += " stroke=\"#BBBBBB\" stroke-dasharray=\"4 3\"/>\n";
  append_text(out, (kPlotLeft + kPlotRight) / 2, top + 17, "middle",
              "font-size=\"11\" fill=\"#777777\"", days_without_data(empty_days));
}

// The strip's frame: its date, the lanes, and the hours of its axis.
void append_strip_frame(std::string& out, std::int64_t day) {
  append_text(out, kPlotLeft - 8, 16, "end", "font-size=\"12\" font-weight=\"bold\"",
              iso_day(day * kSecondsPerDay));
  append_text(out, kPlotLeft - 8, (kCcnTop + kCcnBottom) / 2 + 4, "end",
              "font-size=\"10\" fill=\"#555555\"", "CCN");
  append_frame(out, kPlotLeft, kSmpsTop, kPlotRight, kSmpsBottom);
  append_frame(out, kPlotLeft, kCcnTop, kPlotRight, kCcnBottom);
  const TimeScale scale = day_scale(0);
  for (int hour = 0; hour <= 24; hour += kHoursPerTick) {
    const double x = scale.x(std::int64_t{hour} * 3600);
    if (hour > 0 && hour < 24) append_line(out, x, kSmpsTop, x, kCcnBottom, "#E3E3E3");
    append_line(out, x, kCcnBottom, x, kCcnBottom + 4, "#333333");
    std::array<char, 8> label{'0', '0', ':', '0', '0', '\0'};
    label[0] = static_cast<char>('0' + hour / 10);
    label[1] = static_cast<char>('0' + hour % 10);
    append_text(out, x, kCcnBottom + 15, "middle", "font-size=\"10\" fill=\"#555555\"",
                std::string_view(label.data(), 5));
  }
}

// The bars of `lane` listed for a day, cut to it.
std::vector<Bar> cut_bars(const LaneSource& lane, const std::vector<std::size_t>& on_day,
                          std::int64_t day) {
  std::vector<Bar> view;
  view.reserve(on_day.size());
  for (const std::size_t i : on_day) view.push_back(cut_to_day(lane.bars[i], day, i));
  return view;
}

}  // namespace

void draw_day_strips(const PictureInput& input, const Painting& painting, PictureText& picture) {
  const std::array<std::span<const Bar>, 3> lanes{input.exports.bars, input.samples.bars,
                                                  input.ccn.bars};
  const DaysWithData found = days_with_data(lanes, kMaxDayStrips);
  const std::vector<std::int64_t>& days = found.days;
  std::vector<std::string> footnote = input.footnote;
  if (found.beyond_limit > 0) {
    footnote.push_back(std::to_string(found.beyond_limit) +
                       " later days with data not drawn (at most " + std::to_string(kMaxDayStrips) +
                       " day strips)");
  }

  double height = kStripsTop + (days.empty() ? 40 : 0);
  for (std::size_t k = 0; k < days.size(); ++k) {
    if (k > 0 && days[k] - days[k - 1] > 1) height += kSeparatorHeight;
    height += kStripHeight;
  }
  std::string legend;
  const double legend_bottom = append_legend(legend, input, painting, kStripsTop + 10);
  const double footnote_top = std::max(height, legend_bottom) + 4;

  std::string& out = picture.text;
  open_document(out, footnote_top + footnote_height(footnote) + 8);
  append_heading(out, input.caption);
  out += legend;

  const auto export_on_day = bars_by_day(input.exports.bars, days);
  const auto samples_on_day = bars_by_day(input.samples.bars, days);
  const auto ccn_on_day = bars_by_day(input.ccn.bars, days);
  const double bar_top = kSmpsTop + 2;
  const double bar_height = kSmpsBottom - kSmpsTop - 4;
  const auto exports = export_styles(bar_top, bar_height);
  const auto samples = sample_styles(painting.set_points, bar_top, bar_height);
  const auto segments =
      ccn_styles(painting.set_points, kCcnTop + kCcnInset, kCcnBottom - kCcnInset, kSegmentHeight);

  if (days.empty()) {
    append_text(out, (kPlotLeft + kPlotRight) / 2, kStripsTop + 20, "middle",
                "font-size=\"12\" fill=\"#777777\"", "no data to draw");
  }
  double top = kStripsTop;
  for (std::size_t k = 0; k < days.size(); ++k) {
    if (k > 0 && days[k] - days[k - 1] > 1) {
      append_separator(out, top, days[k] - days[k - 1] - 1);
      top += kSeparatorHeight;
    }
    out += "<g data-day=\"";
    out += iso_day(days[k] * kSecondsPerDay);
    out += "\" transform=\"translate(0 ";
    append_number(out, top);
    out += ")\">\n";
    append_strip_frame(out, days[k]);
    const TimeScale scale = day_scale(days[k]);
    append_lane_marks(picture, input.exports, cut_bars(input.exports, export_on_day[k], days[k]),
                      painting.export_groups, exports, scale);
    append_lane_marks(picture, input.samples, cut_bars(input.samples, samples_on_day[k], days[k]),
                      painting.sample_groups, samples, scale);
    append_lane_marks(picture, input.ccn, cut_bars(input.ccn, ccn_on_day[k], days[k]),
                      painting.ccn_groups, segments, scale);
    out += "</g>\n";
    top += kStripHeight;
  }
  append_footnote(out, footnote, footnote_top);
  out += "</svg>\n";
}

}  // namespace vortelin::overview
