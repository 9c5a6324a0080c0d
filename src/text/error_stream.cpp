#include "text/error_stream.hpp"

#include <cerrno>

#include "platform/platform.hpp"

namespace vortelin {

bool write_to_stream(int fd, std::string_view text) noexcept {
  const char* data = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const std::ptrdiff_t put = write_some(fd, data, left);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    data += put;
    left -= static_cast<std::size_t>(put);
  }
  return true;
}

void write_to_error_stream(std::string_view text) noexcept {
  write_to_stream(kStandardError, text);
}

}  // namespace vortelin
