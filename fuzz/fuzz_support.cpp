#include "fuzz_support.hpp"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "text/record_reader.hpp"

namespace vortelin::fuzz {

void violated(std::string_view what, std::string_view detail) {
  std::fprintf(stderr, "invariant violated: %.*s\n%.*s\n", static_cast<int>(what.size()),
               what.data(), static_cast<int>(detail.size()), detail.data());
  std::abort();
}

int memory_file(std::string_view bytes) {
  const int fd = ::memfd_create("vortelin-fuzz", MFD_CLOEXEC);
  require(fd >= 0, "memfd_create failed");
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
    require(put > 0, "write to a memory file failed");
    done += static_cast<std::size_t>(put);
  }
  require(::lseek(fd, 0, SEEK_SET) == 0, "lseek on a memory file failed");
  return fd;
}

std::string file_bytes(int fd) {
  std::string bytes;
  char chunk[65536];
  for (off_t at = 0;;) {
    const ssize_t got = ::pread(fd, chunk, sizeof chunk, at);
    require(got >= 0, "pread failed");
    if (got == 0) return bytes;
    bytes.append(chunk, static_cast<std::size_t>(got));
    at += got;
  }
}

unsigned take_byte(std::string_view& data) {
  if (data.empty()) return 0;
  const auto byte = static_cast<unsigned char>(data.front());
  data.remove_prefix(1);
  return byte;
}

std::vector<std::size_t> sizes_ending_a_read_at_cr(std::string_view bytes, std::size_t count) {
  std::vector<std::size_t> sizes;
  std::size_t line_start = 0;
  for (std::size_t at = 0; at < bytes.size() && sizes.size() < count; ++at) {
    if (bytes[at] == '\n') {
      line_start = at + 1;
    } else if (bytes[at] == '\r' && at - line_start >= kMaxFieldLength) {
      sizes.push_back(at - line_start + 1);
    }
  }
  return sizes;
}

}  // namespace vortelin::fuzz
