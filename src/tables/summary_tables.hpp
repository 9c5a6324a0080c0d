// The two summary tables: their names, channels, header texts and row layouts.
// Every line starts with a blank; text values are quoted, never escaped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vortelin {

inline constexpr std::string_view kSmpsTableName = "scn_smps.dat";
inline constexpr std::string_view kCcnTableName = "scn_ccnc.dat";
inline constexpr int kSmpsTableUnit = 11;
inline constexpr int kCcnTableUnit = 12;

inline constexpr std::string_view kSmpsHeader =
    R"h("File" "FrstScanDate" "LastScanDate" "FrstScanTime" "LastScanTime" )h"
    R"h("ScansPerSample" "ScanUpTime(s)" "RetraceTime(s)")h";
inline constexpr std::string_view kCcnHeader =
    R"h("File" "StartDate" "StartTime" "EndTime" "SuperSatSet" "DeltaTSet")h";

struct SmpsRow {
  std::string_view file;                                          // the list entry, trimmed
  std::string_view first_date, last_date, first_time, last_time;  // 9, 8, 8, 8 characters
  std::int32_t scans_per_sample;
  float scan_up_time, retrace_time;
};

struct CcnRow {
  std::string_view file;
  std::string_view date, start_time, end_time;  // 9, 8, 8 characters
  float supersaturation, delta_t;
};

// The row text without its line end, replacing the content of `out`.
void format_row(const SmpsRow& row, std::string& out);
void format_row(const CcnRow& row, std::string& out);

}  // namespace vortelin
