// The particle-sizer summariser over any file: it writes exactly one complete
// row and closes the file, or ends with a read or value condition and writes
// nothing; the result does not depend on how the file is buffered.
#include <cstdint>
#include <string_view>

#include "fuzz_support.hpp"
#include "scanner_run.hpp"
#include "scanners/smps_scanner.hpp"
#include "table_shape.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using vortelin::fuzz::require;
  const auto got = vortelin::fuzz::scan_input(vortelin::scan_smps, data, size);
  if (!got.diagnostic.empty()) {
    require(got.table.empty(), "a failed export wrote a row", got.table);
    return 0;
  }
  require(got.data_closed, "the data file was left open");
  const auto lines = vortelin::fuzz::crlf_lines(got.table);
  require(lines && lines->size() == 1, "not exactly one row", got.table);
  const auto row = vortelin::fuzz::parse_smps_row(lines->front());
  require(row && row->file == "f.txt", "a malformed row", got.table);
  return 0;
}
