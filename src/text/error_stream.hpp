// Standard error: stop messages and diagnostics, written at once, unbuffered.
#pragma once

#include <string_view>

namespace vortelin {

// Writes all of `text` to standard error; a failure there cannot be reported.
void write_to_error_stream(std::string_view text) noexcept;

}  // namespace vortelin
