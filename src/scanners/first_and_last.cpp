#include "scanners/first_and_last.hpp"

#include <algorithm>

#include "scanners/field_text.hpp"
#include "text/trimmed_length.hpp"

namespace vortelin {

FirstAndLast first_and_last(std::string_view field, std::size_t value_start, const RecordTail& tail,
                            bool cut, std::string_view starts) {
  FirstAndLast result;
  const std::size_t offset = text_from(field, value_start).find_first_of(starts);
  if (offset == std::string_view::npos) return result;
  const std::size_t start = value_start + offset;  // 0-based, within the field
  result.found = true;
  result.first = text_at(field, start, 8);
  // Ends are 0-based exclusive offsets into the whole record.
  const std::uint64_t end = cut ? tail.content_end : content_end(field);
  const std::uint64_t last_start = std::max<std::uint64_t>(start, end >= 8 ? end - 8 : 0);
  if (cut) {
    const std::uint64_t tail_start = tail.content_end - tail.length;
    result.last = tail.view().substr(static_cast<std::size_t>(last_start - tail_start));
  } else {
    result.last = field.substr(static_cast<std::size_t>(last_start),
                               static_cast<std::size_t>(end - last_start));
  }
  return result;
}

}  // namespace vortelin
