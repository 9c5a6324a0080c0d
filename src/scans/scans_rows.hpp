// The rows of scn_scans.csv: a sample, the window of the CCN time line around
// it, as CSV text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "scans/dated_samples.hpp"
#include "scans/scan_join.hpp"

namespace vortelin::scans {

// The header row, with its CR LF.
std::string header_row();

// The ISO text of the last day written: rows in time order mostly share it.
struct DayText {
  std::int64_t day = INT64_MIN;  // days since 1970-01-01
  std::string text;              // "2026-02-05"
};

// A sample's row, with its CR LF, appended to `out`. `export_name` and
// `ccn_file` name the sample's export and the file of the record in force.
void append_row(std::string& out, const Sample& sample, std::string_view export_name,
                const Window& window, std::string_view ccn_file, DayText& day);

// The shortest text that reads back as the same 32-bit float: "0.2", "135", "5e-05".
void append_float(std::string& out, float value);

}  // namespace vortelin::scans
