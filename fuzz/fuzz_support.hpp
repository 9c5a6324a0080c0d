// Helpers shared by the fuzz targets: files held in memory, and the check that
// stops the fuzzer, with the input saved, when an invariant breaks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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

// Read buffer sizes with which a read ends right after a CR of `bytes`: at most
// `count` of them, each above the longest field. A line longer than the buffer
// reaches the reader's buffer from its first byte, and every read of it then
// brings a whole buffer, so with a size of p + 1 the first read of such a line
// ends with its byte p.
std::vector<std::size_t> sizes_ending_a_read_at_cr(std::string_view bytes, std::size_t count);

// Whether `name` is one of `names`, such as the fatal conditions a run may end with.
template <typename Names>
bool one_of(std::string_view name, const Names& names) {
  for (const std::string_view known : names) {
    if (name == known) return true;
  }
  return false;
}

}  // namespace vortelin::fuzz
