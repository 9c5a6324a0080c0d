// The standard streams written at once, unbuffered: stop messages and
// diagnostics on standard error, the help and version texts on standard output.
#pragma once

#include <string_view>

namespace vortelin {

// Writes all of `text` to the descriptor `fd`; false when a write failed.
bool write_to_stream(int fd, std::string_view text) noexcept;

// Writes all of `text` to standard error; a failure there cannot be reported.
void write_to_error_stream(std::string_view text) noexcept;

}  // namespace vortelin
