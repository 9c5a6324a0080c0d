// The CCN lane's vertical scale: the set points found, a colour for each, and
// round values for the axis ticks.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "overview/placement.hpp"

namespace vortelin::overview {

struct SetPointScale {
  std::vector<double> values;  // the distinct set points, ascending
  double low = 0;              // the axis: low < high, 0 included
  double high = 1;
  std::vector<double> ticks;  // round values from low to high
};

SetPointScale make_set_point_scale(std::span<const Bar> segments);

// The index of a segment's set point in `scale.values`.
std::size_t set_point_index(const SetPointScale& scale, double set_point);

// "#0072B2": a colour-blind-safe set of distinct colours for up to seven set
// points, a blue-to-yellow ramp for more.
std::string_view set_point_colour(const SetPointScale& scale, std::size_t index);

// "0.2", "-1.5", "1000": the shortest text that reads back as `value`.
std::string number_text(double value);

// An axis tick's value with as many decimals as the ticks' step needs: "0.6", not
// "0.6000000000000001".
std::string tick_text(double value, const SetPointScale& scale);

}  // namespace vortelin::overview
