#include "overview/svg_picture.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>

#include "overview/picture_parts.hpp"
#include "overview/svg_elements.hpp"
#include "overview/time_axis.hpp"

namespace vortelin::overview {

namespace {

// The single axis's layout, in pixels.
constexpr double kHeight = 490;
constexpr double kSmpsTop = 75;
constexpr double kSmpsBottom = 115;
constexpr double kCcnTop = 140;
constexpr double kCcnBottom = 400;
constexpr double kCcnInset = 10;  // between the lane's frame and its highest and lowest bars
constexpr double kSegmentHeight = 6;
constexpr double kPixelsPerTick = 95;

void append_time_axis(std::string& out, const TimeAxis& axis, const TimeScale& scale) {
  std::string_view context;
  for (const Tick& tick : axis.ticks) {
    const double x = scale.x(tick.at);
    append_line(out, x, kSmpsTop, x, kCcnBottom, "#E3E3E3");
    append_line(out, x, kCcnBottom, x, kCcnBottom + 6, "#333333");
    append_text(out, x, kCcnBottom + 20, "middle", "font-size=\"12\"", tick.label);
    if (tick.context != context) {
      append_text(out, x, kCcnBottom + 36, "middle", "font-size=\"12\" fill=\"#555555\"",
                  tick.context);
      context = tick.context;
    }
  }
  append_line(out, kPlotLeft, kCcnBottom, kPlotRight, kCcnBottom, "#333333");
}

void append_set_point_axis(std::string& out, const SetPointScale& scale) {
  for (const double tick : scale.ticks) {
    const double y = set_point_y(scale, tick, kCcnTop + kCcnInset, kCcnBottom - kCcnInset);
    append_line(out, kPlotLeft - 5, y, kPlotLeft, y, "#333333");
    append_text(out, kPlotLeft - 8, y + 4, "end", "font-size=\"12\"", tick_text(tick, scale));
  }
  append_line(out, kPlotLeft, kCcnTop, kPlotLeft, kCcnBottom, "#333333");
  const double middle = (kCcnTop + kCcnBottom) / 2;
  out += "<text x=\"30\" y=\"";
  append_number(out, middle);
  out += "\" transform=\"rotate(-90 30 ";
  append_number(out, middle);
  out += ")\" text-anchor=\"middle\" font-size=\"13\">Supersaturation set point (%)</text>\n";
}

void append_empty_note(std::string& out, double top, double bottom, std::string_view what) {
  append_text(out, (kPlotLeft + kPlotRight) / 2, (top + bottom) / 2 + 4, "middle",
              "font-size=\"12\" fill=\"#777777\"", what);
}

// A lane's bars whole, each its own row.
std::vector<Bar> whole_bars(std::span<const Bar> bars) {
  std::vector<Bar> view(bars.begin(), bars.end());
  for (std::size_t i = 0; i < view.size(); ++i) view[i].row = i;
  return view;
}

}  // namespace

void draw_single_axis(const PictureInput& input, const Painting& painting, PictureText& picture) {
  std::int64_t first = std::numeric_limits<std::int64_t>::max();
  std::int64_t last = std::numeric_limits<std::int64_t>::min();
  for (const LaneSource* lane : {&input.exports, &input.samples, &input.ccn}) {
    for (const Bar& bar : lane->bars) {
      first = std::min(first, bar.start);
      last = std::max(last, bar.end);
    }
  }
  const bool any = first <= last;
  const auto ticks = static_cast<std::size_t>((kPlotRight - kPlotLeft) / kPixelsPerTick);
  const TimeAxis axis = any ? make_time_axis(first, last, ticks) : TimeAxis{0, 1, {}};
  const TimeScale scale{
      axis.from, (kPlotRight - kPlotLeft) / static_cast<double>(axis.to - axis.from), kPlotLeft};

  std::string& out = picture.text;
  open_document(out, kHeight + footnote_height(input.footnote));
  append_heading(out, input.caption);
  append_frame(out, kPlotLeft, kSmpsTop, kPlotRight, kSmpsBottom);
  append_frame(out, kPlotLeft, kCcnTop, kPlotRight, kCcnBottom);
  append_time_axis(out, axis, scale);
  const bool samples = input.samples.scans != nullptr;
  append_text(out, kPlotLeft - 10, (kSmpsTop + kSmpsBottom) / 2 + 4, "end", "font-size=\"13\"",
              samples ? "SMPS samples" : "SMPS exports");
  append_text(out, (kPlotLeft + kPlotRight) / 2, kCcnBottom + 62, "middle", "font-size=\"13\"",
              "Date and time as written in the tables");

  const double bar_top = kSmpsTop + 8;
  const double bar_height = kSmpsBottom - kSmpsTop - 16;
  append_lane_marks(picture, input.exports, whole_bars(input.exports.bars), painting.export_groups,
                    export_styles(bar_top, bar_height), scale);
  append_lane_marks(picture, input.samples, whole_bars(input.samples.bars), painting.sample_groups,
                    sample_styles(painting.set_points, bar_top, bar_height), scale);
  if (input.exports.bars.empty() && input.samples.bars.empty()) {
    append_empty_note(out, kSmpsTop, kSmpsBottom,
                      samples ? "no SMPS samples to draw" : "no SMPS exports to draw");
  }

  append_set_point_axis(out, painting.set_points);
  append_lane_marks(
      picture, input.ccn, whole_bars(input.ccn.bars), painting.ccn_groups,
      ccn_styles(painting.set_points, kCcnTop + kCcnInset, kCcnBottom - kCcnInset, kSegmentHeight),
      scale);
  if (input.ccn.bars.empty())
    append_empty_note(out, kCcnTop, kCcnBottom, "no CCN segments to draw");
  append_legend(out, input, painting, kCcnTop);
  append_footnote(out, input.footnote, kHeight - 8);
  out += "</svg>\n";
}

void draw_overview(const PictureInput& input, PictureText& out) {
  const Painting painting = paint_lanes(input);
  if (input.by_day) {
    draw_day_strips(input, painting, out);
  } else {
    draw_single_axis(input, painting, out);
  }
  spill(out, true);
}

std::string draw_overview(const PictureInput& input) {
  PictureText out;
  draw_overview(input, out);
  return std::move(out.text);
}

}  // namespace vortelin::overview
