// The picture of a campaign as one self-contained SVG document: a time axis, a
// lane of SMPS exports and a lane of CCN segments at their set points, with a
// legend, and a hover title on every bar giving its rows.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "overview/placement.hpp"
#include "overview/table_reader.hpp"

namespace vortelin::overview {

struct Lane {
  const std::vector<TableRow>& rows;
  std::span<const Bar> bars;
};

// The SVG text; `caption` is the line under the heading.
std::string draw_overview(const Lane& smps, const Lane& ccn, std::string_view caption);

}  // namespace vortelin::overview
