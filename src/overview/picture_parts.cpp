#include "overview/picture_parts.hpp"

#include <algorithm>

#include "overview/svg_elements.hpp"

namespace vortelin::overview {

namespace {

constexpr std::string_view kExportColour = "#4D4D4D";
constexpr std::string_view kNoSetPointColour = "#A0A0A0";
constexpr std::size_t kLegendSetPoints = 12;  // of more, twelve spread evenly
constexpr double kLegendStep = 18;

struct LegendEntry {
  std::string_view colour;
  bool lighter = false;
  std::string label;
};

std::vector<LegendEntry> legend_entries(const PictureInput& input, const Painting& painting) {
  std::vector<LegendEntry> entries;
  const SetPointScale& scale = painting.set_points;
  const std::size_t count = scale.values.size();
  const std::size_t shown = std::min(count, kLegendSetPoints);
  for (std::size_t k = 0; k < shown; ++k) {
    const std::size_t index = shown == count ? k : k * (count - 1) / (shown - 1);
    entries.push_back({set_point_colour(scale, index), false, number_text(scale.values[index])});
  }
  const auto any_group = [&](auto holds) {
    return std::any_of(painting.sample_groups.begin(), painting.sample_groups.end(), holds);
  };
  if (any_group([&](std::size_t group) { return group / 2 == count; })) {
    entries.push_back({kNoSetPointColour, false, "none"});
  }
  if (any_group([](std::size_t group) { return group % 2 == 1; })) {
    entries.push_back({kNoSetPointColour, true, "sample not whole"});
  }
  if (!input.exports.bars.empty()) entries.push_back({kExportColour, false, "SMPS export"});
  return entries;
}

}  // namespace

Painting paint_lanes(const PictureInput& input) {
  std::vector<double> values;
  values.reserve(input.ccn.bars.size() + input.samples.bars.size());
  for (const Bar& bar : input.ccn.bars) values.push_back(bar.set_point);
  for (const Bar& bar : input.samples.bars) {
    if (input.samples.scans->samples[bar.row].has_set_point) values.push_back(bar.set_point);
  }
  Painting painting;
  painting.set_points = make_set_point_scale(values);
  const std::size_t count = painting.set_points.values.size();
  painting.export_groups.assign(input.exports.bars.size(), 0);
  for (const Bar& bar : input.samples.bars) {
    const Sample& sample = input.samples.scans->samples[bar.row];
    const std::size_t set_point =
        sample.has_set_point ? set_point_index(painting.set_points, bar.set_point) : count;
    painting.sample_groups.push_back(set_point * 2 + (sample.whole == Whole::no ? 1 : 0));
  }
  for (const Bar& bar : input.ccn.bars) {
    painting.ccn_groups.push_back(set_point_index(painting.set_points, bar.set_point));
  }
  return painting;
}

std::vector<MarkStyle> export_styles(double top, double height) {
  return {{kExportColour, false, top, height}};
}

std::vector<MarkStyle> sample_styles(const SetPointScale& scale, double top, double height) {
  std::vector<MarkStyle> styles;
  for (std::size_t k = 0; k <= scale.values.size(); ++k) {
    const std::string_view colour =
        k < scale.values.size() ? set_point_colour(scale, k) : kNoSetPointColour;
    styles.push_back({colour, false, top, height});
    styles.push_back({colour, true, top, height});
  }
  return styles;
}

double set_point_y(const SetPointScale& scale, double value, double top, double bottom) {
  return bottom - (value - scale.low) / (scale.high - scale.low) * (bottom - top);
}

std::vector<MarkStyle> ccn_styles(const SetPointScale& scale, double top, double bottom,
                                  double height) {
  std::vector<MarkStyle> styles;
  for (std::size_t k = 0; k < scale.values.size(); ++k) {
    const double y = set_point_y(scale, scale.values[k], top, bottom);
    styles.push_back({set_point_colour(scale, k), false, y - height / 2, height});
  }
  return styles;
}

void open_document(std::string& out, double height) {
  out +=
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\"";
  append_attributes(out, {{"width", kWidth}, {"height", height}});
  out += " viewBox=\"0 0 ";
  append_number(out, kWidth);
  out += ' ';
  append_number(out, height);
  out += "\" font-family=\"sans-serif\">\n";
  out += "<rect width=\"100%\" height=\"100%\" fill=\"#FFFFFF\"/>\n";
}

void append_heading(std::string& out, std::string_view caption) {
  append_text(out, kPlotLeft, 30, "start", "font-size=\"18\" font-weight=\"bold\"",
              "Campaign overview");
  append_text(out, kPlotLeft, 52, "start", "font-size=\"12\" fill=\"#555555\"", caption);
}

double append_legend(std::string& out, const PictureInput& input, const Painting& painting,
                     double top) {
  const std::vector<LegendEntry> entries = legend_entries(input, painting);
  if (entries.empty()) return top;
  append_text(out, kLegendLeft, top + 4, "start", "font-size=\"13\"", "Set point (%)");
  double y = top + 16;
  for (const LegendEntry& entry : entries) {
    open_element(out, "rect", {{"x", kLegendLeft}, {"y", y}, {"width", 16}, {"height", 10}});
    out += " fill=\"";
    out += entry.colour;
    out += entry.lighter ? "\" fill-opacity=\"0.35\"/>\n" : "\"/>\n";
    append_text(out, kLegendLeft + 22, y + 9, "start", "font-size=\"12\"", entry.label);
    y += kLegendStep;
  }
  const std::size_t count = painting.set_points.values.size();
  if (count > kLegendSetPoints) {
    append_text(out, kLegendLeft, y + 12, "start", "font-size=\"11\" fill=\"#555555\"",
                std::to_string(count) + " set points");
    y += kLegendStep;
  }
  return y;
}

double footnote_height(const std::vector<std::string>& footnote) {
  return footnote.empty() ? 0 : static_cast<double>(footnote.size()) * kLineHeight + 8;
}

void append_footnote(std::string& out, const std::vector<std::string>& footnote, double top) {
  double y = top + kLineHeight;
  for (const std::string& line : footnote) {
    append_text(out, kPlotLeft, y, "start", "font-size=\"12\" fill=\"#A03030\"", line);
    y += kLineHeight;
  }
}

}  // namespace vortelin::overview
