// Helpers shared by the fuzz targets: files held in memory, and the check that
// stops the fuzzer, with the input saved, when an invariant breaks.
#pragma once

#include <string>
#include <string_view>

namespace vortelin::fuzz {

// Prints what broke and aborts, which the fuzzer reports as a crash.
[[noreturn]] void violated(std::string_view what, std::string_view detail = {});

inline void require(bool holds, std::string_view what, std::string_view detail = {}) {
  if (!holds) violated(what, detail);
}

// A seekable file that lives in memory only, holding `bytes`, positioned at its start.
int memory_file(std::string_view bytes);

// Every byte of the file `fd`, whatever its position.
std::string file_bytes(int fd);

// Takes the next byte of `data` as a small number (0 when none is left).
unsigned take_byte(std::string_view& data);

// Whether `name` is one of `names`, such as the fatal conditions a run may end with.
template <typename Names>
bool one_of(std::string_view name, const Names& names) {
  for (const std::string_view known : names) {
    if (name == known) return true;
  }
  return false;
}

}  // namespace vortelin::fuzz
