#include "scanner_run.hpp"

#include <array>
#include <vector>

#include "fuzz_support.hpp"

namespace vortelin::fuzz {

ScanResult run_scanner(Scanner scan, std::string_view contents, std::size_t buffer_size) {
  std::vector<char> buffer(buffer_size);
  IoTrace trace;
  ScanResult result;
  InChannel data;
  attach(data, 20, "f.txt", memory_file(contents), buffer, false, trace);
  OutChannel table;
  const int table_fd = memory_file({});
  table.attach(12, "scn_ccnc.dat", table_fd, OutFile::table, false, trace);
  ScanState state;
  try {
    scan(data, "f.txt", state, table);
  } catch (const FatalCondition& condition) {
    require(scanner_condition(condition.context()), "an unexpected condition", condition.what());
    result.diagnostic = diagnostic_text(condition);
  }
  result.data_closed = !is_open(data);
  close(data);
  table.flush();
  result.table = file_bytes(table_fd);
  table.close();
  return result;
}

bool scanner_condition(std::string_view context) {
  constexpr std::array<std::string_view, 7> kContexts = {"fmt",
                                                         "read start",
                                                         "list in",
                                                         "invalid number",
                                                         "bad repetition count",
                                                         "exponent field",
                                                         "invalid integer"};
  for (const std::string_view known : kContexts) {
    if (context == known) return true;
  }
  return false;
}

}  // namespace vortelin::fuzz
