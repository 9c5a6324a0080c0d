#include "fuzz_support.hpp"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

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

}  // namespace vortelin::fuzz
