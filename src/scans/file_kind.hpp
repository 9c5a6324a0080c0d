// Telling the files apart: an SMPS export by the marks in its first lines (the
// rule vortelin itself uses), a CCN data file by its second line, which starts
// with "Date" and holds a date, and its seventh, whose first 8 characters are
// a time hh:mm:ss. Anything else is neither.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "scanners/date_time_shapes.hpp"
#include "scans/record_time.hpp"
#include "text/in_channel.hpp"

namespace vortelin::scans {

enum class FileKind { smps_export, ccn_data, neither };

struct Classified {
  FileKind kind = FileKind::neither;
  std::optional<ShapeText> ccn_date;  // a CCN file's date, from its second line
  std::int32_t ccn_first_time = 0;    // seconds since midnight of its seventh line
};

// Reads the first lines of `data` (from its first byte) and tells its kind.
Classified classify(InChannel& data);

}  // namespace vortelin::scans
