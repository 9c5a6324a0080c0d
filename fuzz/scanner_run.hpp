// Runs one scanner over file contents held in memory, through a read buffer of
// a chosen size, and returns what it wrote and how it ended.
#pragma once

#include <string>
#include <string_view>

#include "scanners/scan_state.hpp"
#include "text/in_channel.hpp"
#include "text/out_channel.hpp"

namespace vortelin::fuzz {

using Scanner = void (*)(InChannel&, std::string_view, ScanState&, OutChannel&);

struct ScanResult {
  std::string table;       // the bytes written to the table, flushed
  std::string diagnostic;  // the fatal condition's diagnostic; empty when the scan ended
  bool data_closed = false;
};

ScanResult run_scanner(Scanner scan, std::string_view contents, std::size_t buffer_size);

// The fatal conditions a scanner may end with.
bool scanner_condition(std::string_view context);

}  // namespace vortelin::fuzz
