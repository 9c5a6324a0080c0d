// The set points found in the CCN segments and the samples, a colour for each,
// and round values for an axis. Set points are told apart to a thousandth, the
// precision of scn_ccnc.dat, so a sample's 0.2345 (scn_scans.csv writes the
// value read) and its segment's 0.235 are one set point with one colour.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vortelin::overview {

struct SetPointScale {
  std::vector<double> values;  // the distinct set points, ascending, in thousandths
  double low = 0;              // the axis: low < high, 0 included
  double high = 1;
  std::vector<double> ticks;  // round values from low to high
};

// `set_points` in any order, with repeats; each finite and at most 1e9 in size.
SetPointScale make_set_point_scale(std::span<const double> set_points);

// The index in `scale.values` of a set point the scale was made with.
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
