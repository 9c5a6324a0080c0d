#include "text/error_stream.hpp"

#include <unistd.h>

#include <cerrno>

namespace vortelin {

void write_to_error_stream(std::string_view text) noexcept {
  const char* data = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const ssize_t put = ::write(STDERR_FILENO, data, left);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return;
    data += put;
    left -= static_cast<std::size_t>(put);
  }
}

}  // namespace vortelin
