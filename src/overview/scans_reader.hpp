// Reading the scans table, scn_scans.csv: one row per SMPS sample, placed by
// the ISO times it holds as they are written. Columns are found by their names
// in the header row, in any order; a row is read whole or left out with the
// reason, and the table is read in pieces, so memory follows the samples.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "overview/table_reader.hpp"
#include "tables/csv_records.hpp"

namespace vortelin::overview {

enum class Whole : std::uint8_t { unknown, yes, no };

struct Sample {
  std::int64_t start = 0;  // seconds since 1970-01-01
  std::int64_t end = 0;    // the start when the end is unknown
  std::int64_t since_change = 0;
  float set_point = 0;
  float stable = 0;
  std::uint32_t export_index = 0;  // into ScansTable::exports
  bool has_end = false;
  bool has_set_point = false;
  bool has_since_change = false;
  bool has_stable = false;
  Whole whole = Whole::unknown;
  std::size_t line = 0;  // where the row starts
  std::string number;    // the sample number as written
};

// Beyond this many samples the rest of a table is not read (about four years
// of a sample every two minutes).
inline constexpr std::size_t kMaxSamples = 1'000'000;
// Rows left out that are kept to be named; the others are only counted.
inline constexpr std::size_t kKeptLeftOut = 5;

struct ScansTable {
  enum class Outcome { read, missing, not_a_table, unreadable };
  Outcome outcome = Outcome::read;
  std::string error;  // unreadable: the system's reason; not_a_table: what is missing
  std::vector<std::string> exports;
  std::vector<Sample> samples;
  std::vector<LeftOut> left_out;  // the first kKeptLeftOut, in line order
  std::size_t left_out_count = 0;
  std::vector<std::string> notes;  // each follows the table's name: "has no column whole"
};

// A scans table read from pieces of bytes in order; any split gives the same table.
class ScansReading {
 public:
  void feed(std::string_view bytes);
  // True once the rest of the bytes would not be read: they are not a scans
  // table, or the table holds kMaxSamples samples.
  bool done() const { return stopped_; }
  ScansTable finish();

 private:
  void take(const CsvRecord& record);
  void take_header(const CsvRecord& record);
  void take_row(const CsvRecord& record);
  void leave_out(const CsvRecord& record, std::string reason);

  CsvReader reader_;
  ScansTable table_;
  std::vector<std::size_t> columns_;  // by ScansColumn: index in a row, or npos
  std::size_t width_ = 0;             // fields in the header
  bool have_header_ = false;
  bool stopped_ = false;  // not a table, or full: the rest is not read
  std::size_t not_utf8_ = 0;
  std::unordered_map<std::string, std::uint32_t> export_index_;
};

ScansTable parse_scans(std::string_view bytes);

// The table in the file `path`: missing when there is no such file.
ScansTable read_scans(const std::string& path);

}  // namespace vortelin::overview
