// The samples of a particle-sizer export, read whole: samples as columns (a
// "Sample #" line, with "Date", "Start Time" and setting lines giving each
// sample's value in its column) and samples as rows (tables whose header row
// names the columns, one row per sample), with the words of export_words.hpp.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "scanners/date_time_shapes.hpp"
#include "scanners/export_words.hpp"
#include "scans/setting_cell.hpp"
#include "text/in_channel.hpp"

namespace vortelin::scans {

using Settings = std::array<SettingCell, words::kSettingCount>;

// A sample as the export writes it, before its date is given an order.
struct RawSample {
  std::string number;  // digits as written
  std::optional<ShapeText> date;
  std::optional<ShapeText> time;
  Settings settings;  // its own cells; no_cell where the layout gives none
};

struct ExportReading {
  std::vector<RawSample> samples;  // in the order of the file
  // The file's labelled value of each setting: the first non-empty field of the
  // first line that starts with one of its labels and a tab or a comma.
  Settings labelled;
  bool columns_cut = false;  // a line had more fields than are read
};

// Reads `data` from its first byte to its end. A read that fails throws
// FatalCondition; what was read so far is lost with it.
ExportReading read_export(InChannel& data);

}  // namespace vortelin::scans
