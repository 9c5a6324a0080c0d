// Runs one scanner over file contents held in memory and returns what it wrote
// and how it ended, after checking that this does not depend on how the file
// is buffered.
#pragma once

#include <cstdint>
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

// The fuzz input's first two bytes choose a small read buffer, the rest is the
// file; the scan must give the same through the program's own buffer size, and
// through buffers whose reads end right after a CR inside a long line.
ScanResult scan_input(Scanner scan, const std::uint8_t* data, std::size_t size);

}  // namespace vortelin::fuzz
