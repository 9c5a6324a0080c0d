#include "scanner_run.hpp"

#include <vector>

#include "fuzz_support.hpp"

namespace vortelin::fuzz {

namespace {

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
    require(one_of(condition.context(), kContentContexts), "an unexpected condition",
            condition.what());
    result.diagnostic = diagnostic_text(condition);
  }
  result.data_closed = !is_open(data);
  close(data);
  table.flush();
  result.table = file_bytes(table_fd);
  table.close();
  return result;
}

}  // namespace

ScanResult scan_input(Scanner scan, const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const unsigned high = take_byte(input);
  const std::size_t small = kMaxFieldLength + 1 + ((high << 8) | take_byte(input)) % 8192;
  const ScanResult reference = run_scanner(scan, input, std::size_t{256} * 1024);
  const auto same = [&reference](const ScanResult& got) {
    require(got.table == reference.table && got.diagnostic == reference.diagnostic,
            "the result depends on the buffer size", got.diagnostic);
  };
  ScanResult got = run_scanner(scan, input, small);
  same(got);
  for (const std::size_t split_size : sizes_ending_a_read_at_cr(input, 2)) {
    same(run_scanner(scan, input, split_size));
  }
  return got;
}

}  // namespace vortelin::fuzz
