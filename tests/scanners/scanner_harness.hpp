// Runs one scanner over file contents held in memory and returns the rows it
// wrote, so scanner tests read as input text and expected rows.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "scanners/scan_state.hpp"
#include "text/in_channel.hpp"
#include "text/out_channel.hpp"

namespace vortelin::testing {

class ScannerHarness {
 public:
  ScannerHarness() {
    char pattern[] = "/tmp/vortelin-scan-XXXXXX";
    dir_ = ::mkdtemp(pattern);
  }
  ~ScannerHarness() {
    ::unlink((dir_ + "/data").c_str());
    ::unlink((dir_ + "/table").c_str());
    ::rmdir(dir_.c_str());
  }
  ScannerHarness(const ScannerHarness&) = delete;
  ScannerHarness& operator=(const ScannerHarness&) = delete;

  // Writes `contents` as the data file, scans it with `scan` and returns the
  // table's bytes. `state` carries over between calls unless reset.
  template <typename Scanner>
  std::string run(Scanner scan, const std::string& contents, const std::string& file = "f.txt") {
    const std::string data_path = dir_ + "/data";
    std::ofstream(data_path, std::ios::binary) << contents;
    const std::string table_path = dir_ + "/table";
    {
      OutChannel table;
      open_table(table, 11, table_path, trace);
      InChannel data;
      attach(data, 20, "data", ::open(data_path.c_str(), O_RDONLY), buffer_, false, trace);
      scan(data, file, state, table);
      table.close();
      EXPECT_FALSE(is_open(data));
    }
    std::ifstream in(table_path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  IoTrace trace;
  ScanState state;

 private:
  std::string dir_;
  std::vector<char> buffer_ = std::vector<char>(std::size_t{16} * 1024);
};

}  // namespace vortelin::testing
