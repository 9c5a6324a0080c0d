// The trimmed length of a text: the position of its last character that is
// neither a blank nor a NUL.
#pragma once

#include <cstddef>
#include <string_view>

namespace vortelin {

// 1-based position of the last byte that is neither blank nor NUL; 1 when there
// is none (a field is never shown as empty). Tabs and CRs count as content.
std::size_t chrbln(std::string_view text);

// The same search, but 0 when every byte is blank or NUL.
std::size_t content_end(std::string_view text);

}  // namespace vortelin
