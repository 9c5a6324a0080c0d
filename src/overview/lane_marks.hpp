// A lane's bars drawn as marks: bars that cannot be told apart merged, each
// mark a rectangle in its group's style with a hover title that names every
// table row or sample it stands for, with its start and end.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "overview/bar_merge.hpp"
#include "overview/picture_text.hpp"
#include "overview/placement.hpp"
#include "overview/scans_reader.hpp"
#include "overview/table_reader.hpp"

namespace vortelin::overview {

// What a lane's bars stand for: rows of a summary table, or samples.
struct LaneSource {
  std::span<const Bar> bars;
  const std::vector<TableRow>* rows = nullptr;  // exports or CCN segments
  const ScansTable* scans = nullptr;            // samples: each bar's row is a sample's index
};

// How the marks of a group are drawn.
struct MarkStyle {
  std::string_view colour;
  bool lighter = false;  // a sample not run whole at one set point
  double top = 0;
  double height = 0;
};

// Draws `view`: bars of `lane`, each possibly cut to a day, whose `row` is the
// bar's index in lane.bars and whose group is groups[row]. The marks of a
// group are drawn together in an element that gives their colour. Each mark
// is a <rect class="bar">; sample marks carry data-set-point, the set point
// of their samples (empty when none).
void append_lane_marks(PictureText& out, const LaneSource& lane, std::span<const Bar> view,
                       std::span<const std::size_t> groups, std::span<const MarkStyle> styles,
                       const TimeScale& scale);

// A sample as its title shows it: "smps_0514.txt sample 3: 2005-05-14 09:22:01
// to 2005-05-14 09:24:16, set point 0.2 %, whole: yes, 65 s since the change,
// stable 1.000", each part that is empty in the table left out.
void append_sample_entry(std::string& out, const ScansTable& scans, const Sample& sample);

// The shortest text that reads back as the 32-bit value, as the scans table writes it.
std::string float_text(float value);

}  // namespace vortelin::overview
