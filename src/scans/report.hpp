// The notes vortelin-scans writes on standard error as it goes: each line
// starts with the program's name, and is written at once.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vortelin::scans {

struct Report {
  bool failed = false;  // a file could not be opened or read: the exit status is 1

  void note(std::string_view line) const;
  // A note about something that could not be opened or read.
  void failure(std::string_view line);
};

// "1 sample", "2 samples".
std::string counted(std::size_t count, std::string_view one, std::string_view many);

}  // namespace vortelin::scans
