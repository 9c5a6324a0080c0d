#include "overview/lane_marks.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <limits>

#include "overview/civil_time.hpp"
#include "overview/svg_elements.hpp"
#include "overview/xml_text.hpp"

namespace vortelin::overview {

namespace {

constexpr double kMinBarWidth = 2;  // a bar of zero length still shows
constexpr std::string_view kLighterOpacity = "0.35";

void append_title(std::string& out, const Mark& mark, const LaneSource& lane,
                  std::span<const Bar> view) {
  std::int64_t first = std::numeric_limits<std::int64_t>::max();
  std::int64_t last = std::numeric_limits<std::int64_t>::min();
  for (const std::size_t k : mark.bars) {
    const Bar& bar = lane.bars[view[k].row];
    first = std::min(first, bar.start);
    last = std::max(last, bar.end);
  }
  const bool samples = lane.scans != nullptr;
  if (samples && mark.bars.size() == 1) {
    append_sample_entry(out, *lane.scans,
                        lane.scans->samples[lane.bars[view[mark.bars[0]].row].row]);
    return;
  }
  if (mark.bars.size() > 1) {
    out += std::to_string(mark.bars.size());
    out += samples ? " samples" : " rows";
    out += ", too close to draw apart, ";
  }
  out += iso_time(first);
  out += " to ";
  out += iso_time(last);
  for (const std::size_t k : mark.bars) {
    out += "&#10;";
    const std::size_t row = lane.bars[view[k].row].row;
    if (samples) {
      append_sample_entry(out, *lane.scans, lane.scans->samples[row]);
    } else {
      append_xml_text(out, (*lane.rows)[row].text);
    }
  }
}

void append_mark(std::string& out, const Mark& mark, const LaneSource& lane,
                 std::span<const Bar> view, const MarkStyle& style) {
  const double width = std::max(mark.x1 - mark.x0, kMinBarWidth);
  const double x = mark.x1 - mark.x0 < kMinBarWidth ? (mark.x0 + mark.x1 - width) / 2 : mark.x0;
  out += "<rect class=\"bar\"";
  append_attributes(out, {{"x", x}, {"y", style.top}, {"width", width}, {"height", style.height}});
  if (lane.scans != nullptr) {
    const Sample& sample = lane.scans->samples[lane.bars[view[mark.bars.front()].row].row];
    out += " data-set-point=\"";
    if (sample.has_set_point) out += float_text(sample.set_point);
    out += '"';
  }
  out += "><title>";
  append_title(out, mark, lane, view);
  out += "</title></rect>\n";
}

}  // namespace

void append_lane_marks(PictureText& out, const LaneSource& lane, std::span<const Bar> view,
                       std::span<const std::size_t> groups, std::span<const MarkStyle> styles,
                       const TimeScale& scale) {
  std::vector<std::size_t> view_groups;
  view_groups.reserve(view.size());
  for (const Bar& bar : view) view_groups.push_back(groups[bar.row]);
  std::vector<Mark> marks = merge_marks(view, view_groups, scale);
  std::stable_sort(marks.begin(), marks.end(),
                   [](const Mark& a, const Mark& b) { return a.group < b.group; });
  for (std::size_t k = 0; k < marks.size(); ++k) {
    const MarkStyle& style = styles[marks[k].group];
    if (k == 0 || marks[k - 1].group != marks[k].group) {
      out.text += "<g fill=\"";
      out.text += style.colour;
      if (style.lighter) {
        out.text += "\" fill-opacity=\"";
        out.text += kLighterOpacity;
      }
      out.text += "\">\n";
    }
    append_mark(out.text, marks[k], lane, view, style);
    if (k + 1 == marks.size() || marks[k + 1].group != marks[k].group) out.text += "</g>\n";
    spill(out);
  }
}

std::string float_text(float value) {
  std::array<char, 32> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
  return {text.data(), result.ptr};
}

void append_sample_entry(std::string& out, const ScansTable& scans, const Sample& sample) {
  append_xml_text(out, scans.exports[sample.export_index]);
  out += " sample ";
  append_xml_text(out, sample.number);
  out += ": ";
  out += iso_time(sample.start);
  if (sample.has_end) {
    out += " to ";
    out += iso_time(sample.end);
  } else {
    out += ", no end";
  }
  if (sample.has_set_point) {
    out += ", set point ";
    out += float_text(sample.set_point);
    out += " %";
  } else {
    out += ", no set point";
  }
  if (sample.whole != Whole::unknown)
    out += sample.whole == Whole::yes ? ", whole: yes" : ", whole: no";
  if (sample.has_since_change) {
    out += ", ";
    out += std::to_string(sample.since_change);
    out += " s since the change";
  }
  if (sample.has_stable) {
    std::array<char, 64> text{};
    const int length = std::snprintf(text.data(), text.size(), ", stable %.3f",
                                     static_cast<double>(sample.stable));
    out.append(text.data(), static_cast<std::size_t>(std::clamp(length, 0, 63)));
  }
}

}  // namespace vortelin::overview
