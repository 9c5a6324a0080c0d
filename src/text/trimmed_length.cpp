#include "text/trimmed_length.hpp"

#include "text/byte_class.hpp"

namespace vortelin {

std::size_t content_end(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && is_blank_or_nul(text[end - 1])) --end;
  return end;
}

std::size_t chrbln(std::string_view text) {
  const std::size_t end = content_end(text);
  return end == 0 ? 1 : end;
}

}  // namespace vortelin
