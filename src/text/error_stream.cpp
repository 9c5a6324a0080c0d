#include "text/error_stream.hpp"

#include <cerrno>

#include "platform/platform.hpp"

namespace vortelin {

void write_to_error_stream(std::string_view text) noexcept {
  const char* data = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const std::ptrdiff_t put = write_some(kStandardError, data, left);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return;
    data += put;
    left -= static_cast<std::size_t>(put);
  }
}

}  // namespace vortelin
