// The scans table, scn_scans.csv: one row per particle-sizer sample with the
// CCN set point in force, written by vortelin-scans and drawn by
// vortelin-overview. CSV with CR LF line ends and a header row of these names.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vortelin {

inline constexpr std::string_view kScansTableName = "scn_scans.csv";

// The columns, in their order in the table.
enum class ScansColumn {
  export_name,   // the export's name as opened
  sample,        // the sample number as written
  start,         // YYYY-MM-DDTHH:MM:SS
  end,           // start + duration, or empty
  duration,      // seconds, or empty
  set_point,     // of the CCN record in force at start, or empty
  delta_t,       // of that record, or empty
  whole,         // yes, no, or empty
  since_change,  // whole seconds since the set point's run began, or empty
  stable,        // the fraction of records in the sample with the stabilised flag, or empty
  ccn_file,      // the file of the record in force, or empty
};

inline constexpr std::array<std::string_view, 11> kScansColumnNames = {
    "export",  "sample", "start",          "end",    "duration_s", "set_point",
    "delta_t", "whole",  "since_change_s", "stable", "ccn_file"};

constexpr std::string_view column_name(ScansColumn column) {
  return kScansColumnNames[static_cast<std::size_t>(column)];
}

inline constexpr std::string_view kWholeYes = "yes";
inline constexpr std::string_view kWholeNo = "no";

}  // namespace vortelin
