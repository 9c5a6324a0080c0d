// The CCN segmenter over any file: complete rows only, one date for all of
// them, each segment starting where the one before it ended; the file closed at
// the end; the result does not depend on how the file is buffered.
#include <cstdint>
#include <string_view>

#include "fuzz_support.hpp"
#include "scanner_run.hpp"
#include "scanners/ccn_scanner.hpp"
#include "table_shape.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using vortelin::fuzz::require;
  const auto got = vortelin::fuzz::scan_input(vortelin::scan_ccn, data, size);

  const auto lines = vortelin::fuzz::crlf_lines(got.table);
  require(lines.has_value(), "a row without its line end", got.table);
  std::string_view date, end_time;
  for (std::size_t i = 0; i < lines->size(); ++i) {
    const auto row = vortelin::fuzz::parse_ccn_row((*lines)[i]);
    require(row && row->file == "f.txt", "a malformed row", (*lines)[i]);
    if (i > 0) {
      require(row->date == date, "rows of one file with different dates", got.table);
      require(row->start_time == end_time, "a segment does not start where the last ended",
              got.table);
    }
    date = row->date;
    end_time = row->end_time;
  }
  if (got.diagnostic.empty()) {
    require(got.data_closed, "the data file was left open");
    require(!lines->empty(), "a file read to its end gave no row");
  }
  return 0;
}
