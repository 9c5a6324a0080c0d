// What the single-axis picture and the day strips share: the colour group of
// every bar, the styles of the groups, the document's frame, the heading, the
// legend and the footnote.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "overview/lane_marks.hpp"
#include "overview/picture_text.hpp"
#include "overview/set_point_scale.hpp"
#include "overview/svg_picture.hpp"

namespace vortelin::overview {

constexpr double kWidth = 1200;
constexpr double kPlotLeft = 120;
constexpr double kPlotRight = 1010;
constexpr double kLegendLeft = 1030;
constexpr double kLineHeight = 16;  // of the footnote

// Each lane's bars in groups: one for exports; a set point and whether run
// whole for samples; a set point for CCN segments.
struct Painting {
  SetPointScale set_points;
  std::vector<std::size_t> export_groups;
  std::vector<std::size_t> sample_groups;
  std::vector<std::size_t> ccn_groups;
};

Painting paint_lanes(const PictureInput& input);

// The styles of the groups, for marks from `top`, `height` high.
std::vector<MarkStyle> export_styles(double top, double height);
std::vector<MarkStyle> sample_styles(const SetPointScale& scale, double top, double height);

// CCN segments `height` high, centred at the height of their set point between
// `top` (the highest set point of the scale) and `bottom` (the lowest).
std::vector<MarkStyle> ccn_styles(const SetPointScale& scale, double top, double bottom,
                                  double height);

// The y of `value` on a set point axis from `top` (scale.high) to `bottom` (scale.low).
double set_point_y(const SetPointScale& scale, double value, double top, double bottom);

// The XML declaration, the <svg> element and a white background.
void open_document(std::string& out, double height);

// The heading and, under it, the caption.
void append_heading(std::string& out, std::string_view caption);

// The legend from (kLegendLeft, top); returns the y under it.
double append_legend(std::string& out, const PictureInput& input, const Painting& painting,
                     double top);

// How high the footnote is, and the footnote itself from `top`.
double footnote_height(const std::vector<std::string>& footnote);
void append_footnote(std::string& out, const std::vector<std::string>& footnote, double top);

// The two shapes of the picture.
void draw_single_axis(const PictureInput& input, const Painting& painting, PictureText& out);
void draw_day_strips(const PictureInput& input, const Painting& painting, PictureText& out);

}  // namespace vortelin::overview
