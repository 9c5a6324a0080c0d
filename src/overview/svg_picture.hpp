// The picture of a campaign as one self-contained SVG document: the SMPS lane
// (exports, or samples coloured by their set point) above the CCN segments at
// their set points, a legend, a hover title on every bar, and a footnote
// naming rows that could not be drawn. A campaign of a day or two is drawn on
// one time axis; a longer one as a strip per day that holds data.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "overview/lane_marks.hpp"
#include "overview/picture_text.hpp"

namespace vortelin::overview {

// At most this many day strips are drawn; later days with data are counted.
inline constexpr std::size_t kMaxDayStrips = 2000;

struct PictureInput {
  LaneSource exports;  // rows of scn_smps.dat drawn as exports
  LaneSource samples;  // samples of scn_scans.csv
  LaneSource ccn;      // rows of scn_ccnc.dat
  std::string_view caption;
  std::vector<std::string> footnote;  // lines under the lanes
  bool by_day = false;                // a strip per day rather than one axis
};

// Writes the SVG text to `out`, handing it on to out's file in pieces.
void draw_overview(const PictureInput& input, PictureText& out);

// The SVG text.
std::string draw_overview(const PictureInput& input);

}  // namespace vortelin::overview
