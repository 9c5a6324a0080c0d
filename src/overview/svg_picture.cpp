#include "overview/svg_picture.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>

#include "overview/bar_merge.hpp"
#include "overview/civil_time.hpp"
#include "overview/set_point_scale.hpp"
#include "overview/time_axis.hpp"
#include "overview/xml_text.hpp"

namespace vortelin::overview {

namespace {

// The layout, in pixels.
constexpr double kWidth = 1200;
constexpr double kHeight = 490;
constexpr double kPlotLeft = 120;
constexpr double kPlotRight = 1010;
constexpr double kSmpsTop = 75;
constexpr double kSmpsBottom = 115;
constexpr double kCcnTop = 140;
constexpr double kCcnBottom = 400;
constexpr double kCcnInset = 10;  // between the lane's frame and its highest and lowest bars
constexpr double kSegmentHeight = 6;
constexpr double kMinBarWidth = 2;  // a bar of zero length still shows
constexpr double kLegendLeft = 1030;
constexpr double kPixelsPerTick = 95;
constexpr std::string_view kSmpsColour = "#4D4D4D";

void append_number(std::string& out, double value) {
  std::array<char, 64> text{};
  const auto result =
      std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 2);
  std::string_view digits(text.data(), static_cast<std::size_t>(result.ptr - text.data()));
  while (digits.back() == '0') digits.remove_suffix(1);
  if (digits.back() == '.') digits.remove_suffix(1);
  out += digits == "-0" ? "0" : digits;
}

using Attributes = std::initializer_list<std::pair<std::string_view, double>>;

// Appends ` a="v" ...`, numeric attributes.
void append_attributes(std::string& out, Attributes attributes) {
  for (const auto& [attribute, value] : attributes) {
    out += ' ';
    out += attribute;
    out += "=\"";
    append_number(out, value);
    out += '"';
  }
}

// Appends `<name a="v" ...`, an element left open for more attributes.
void open_element(std::string& out, std::string_view name, Attributes attributes) {
  out += '<';
  out += name;
  append_attributes(out, attributes);
}

void append_text(std::string& out, double x, double y, std::string_view anchor,
                 std::string_view style, std::string_view text) {
  open_element(out, "text", {{"x", x}, {"y", y}});
  out += " text-anchor=\"";
  out += anchor;
  out += "\" ";
  out += style;
  out += '>';
  append_xml_text(out, text);
  out += "</text>\n";
}

void append_line(std::string& out, double x1, double y1, double x2, double y2,
                 std::string_view stroke) {
  open_element(out, "line", {{"x1", x1}, {"y1", y1}, {"x2", x2}, {"y2", y2}});
  out += " stroke=\"";
  out += stroke;
  out += "\"/>\n";
}

// One mark: a bar from x0 to x1 with the rows it stands for as its hover title.
void append_mark(std::string& out, const Mark& mark, const Lane& lane, double y, double height,
                 std::string_view colour) {
  const double width = std::max(mark.x1 - mark.x0, kMinBarWidth);
  const double x = mark.x1 - mark.x0 < kMinBarWidth ? (mark.x0 + mark.x1 - width) / 2 : mark.x0;
  out += "<rect class=\"bar\"";
  append_attributes(out, {{"x", x}, {"y", y}, {"width", width}, {"height", height}});
  out += " fill=\"";
  out += colour;
  out += "\"><title>";
  std::int64_t first = std::numeric_limits<std::int64_t>::max();
  std::int64_t last = std::numeric_limits<std::int64_t>::min();
  for (const std::size_t i : mark.bars) {
    first = std::min(first, lane.bars[i].start);
    last = std::max(last, lane.bars[i].end);
  }
  if (mark.bars.size() > 1) {
    out += std::to_string(mark.bars.size());
    out += " rows, too close to draw apart, ";
  }
  out += iso_time(first);
  out += " to ";
  out += iso_time(last);
  for (const std::size_t i : mark.bars) {
    out += "&#10;";
    append_xml_text(out, lane.rows[lane.bars[i].row].text);
  }
  out += "</title></rect>\n";
}

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

double set_point_y(const SetPointScale& scale, double value) {
  const double top = kCcnTop + kCcnInset;
  const double bottom = kCcnBottom - kCcnInset;
  return bottom - (value - scale.low) / (scale.high - scale.low) * (bottom - top);
}

void append_set_point_axis(std::string& out, const SetPointScale& scale) {
  for (const double tick : scale.ticks) {
    const double y = set_point_y(scale, tick);
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

// Up to twelve set points each have their entry; of more, twelve spread evenly.
void append_legend(std::string& out, const SetPointScale& scale) {
  const std::size_t count = scale.values.size();
  if (count == 0) return;
  constexpr std::size_t kEntries = 12;
  append_text(out, kLegendLeft, kCcnTop + 4, "start", "font-size=\"13\"", "Set point (%)");
  const std::size_t shown = std::min(count, kEntries);
  for (std::size_t k = 0; k < shown; ++k) {
    const std::size_t index = shown == count ? k : k * (count - 1) / (shown - 1);
    const double y = kCcnTop + 16 + static_cast<double>(k) * 18;
    open_element(out, "rect", {{"x", kLegendLeft}, {"y", y}, {"width", 16}, {"height", 10}});
    out += " fill=\"";
    out += set_point_colour(scale, index);
    out += "\"/>\n";
    append_text(out, kLegendLeft + 22, y + 9, "start", "font-size=\"12\"",
                number_text(scale.values[index]));
  }
  if (shown < count) {
    std::string note = std::to_string(count);
    note += " set points";
    append_text(out, kLegendLeft, kCcnTop + 30 + static_cast<double>(shown) * 18, "start",
                "font-size=\"11\" fill=\"#555555\"", note);
  }
}

// The thin frame around a lane, across the whole plot.
void append_lane_frame(std::string& out, double top, double bottom) {
  open_element(
      out, "rect",
      {{"x", kPlotLeft}, {"y", top}, {"width", kPlotRight - kPlotLeft}, {"height", bottom - top}});
  out += " fill=\"none\" stroke=\"#CCCCCC\"/>\n";
}

void append_empty_note(std::string& out, double top, double bottom, std::string_view what) {
  append_text(out, (kPlotLeft + kPlotRight) / 2, (top + bottom) / 2 + 4, "middle",
              "font-size=\"12\" fill=\"#777777\"", what);
}

}  // namespace

std::string draw_overview(const Lane& smps, const Lane& ccn, std::string_view caption) {
  std::int64_t first = std::numeric_limits<std::int64_t>::max();
  std::int64_t last = std::numeric_limits<std::int64_t>::min();
  for (const auto bars : {smps.bars, ccn.bars}) {
    for (const Bar& bar : bars) {
      first = std::min(first, bar.start);
      last = std::max(last, bar.end);
    }
  }
  const bool any = first <= last;
  const auto ticks = static_cast<std::size_t>((kPlotRight - kPlotLeft) / kPixelsPerTick);
  const TimeAxis axis = any ? make_time_axis(first, last, ticks) : TimeAxis{0, 1, {}};
  const TimeScale scale{
      axis.from, (kPlotRight - kPlotLeft) / static_cast<double>(axis.to - axis.from), kPlotLeft};

  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\"";
  append_attributes(out, {{"width", kWidth}, {"height", kHeight}});
  out += " viewBox=\"0 0 1200 490\" font-family=\"sans-serif\">\n";
  out += "<rect width=\"100%\" height=\"100%\" fill=\"#FFFFFF\"/>\n";
  append_text(out, kPlotLeft, 30, "start", "font-size=\"18\" font-weight=\"bold\"",
              "Campaign overview");
  append_text(out, kPlotLeft, 52, "start", "font-size=\"12\" fill=\"#555555\"", caption);
  append_lane_frame(out, kSmpsTop, kSmpsBottom);
  append_lane_frame(out, kCcnTop, kCcnBottom);
  append_time_axis(out, axis, scale);
  append_text(out, kPlotLeft - 10, (kSmpsTop + kSmpsBottom) / 2 + 4, "end", "font-size=\"13\"",
              "SMPS exports");
  append_text(out, (kPlotLeft + kPlotRight) / 2, kCcnBottom + 62, "middle", "font-size=\"13\"",
              "Date and time as written in the tables");

  const std::vector<std::size_t> one_group(smps.bars.size(), 0);
  for (const Mark& mark : merge_marks(smps.bars, one_group, scale)) {
    append_mark(out, mark, smps, kSmpsTop + 8, kSmpsBottom - kSmpsTop - 16, kSmpsColour);
  }
  if (smps.bars.empty()) append_empty_note(out, kSmpsTop, kSmpsBottom, "no SMPS exports to draw");

  const SetPointScale set_points = make_set_point_scale(ccn.bars);
  std::vector<std::size_t> groups;
  groups.reserve(ccn.bars.size());
  for (const Bar& bar : ccn.bars) groups.push_back(set_point_index(set_points, bar.set_point));
  append_set_point_axis(out, set_points);
  for (const Mark& mark : merge_marks(ccn.bars, groups, scale)) {
    const double y = set_point_y(set_points, set_points.values[mark.group]);
    append_mark(out, mark, ccn, y - kSegmentHeight / 2, kSegmentHeight,
                set_point_colour(set_points, mark.group));
  }
  if (ccn.bars.empty()) append_empty_note(out, kCcnTop, kCcnBottom, "no CCN segments to draw");
  append_legend(out, set_points);
  out += "</svg>\n";
  return out;
}

}  // namespace vortelin::overview
