// CSV fields as RFC 4180 writes them: a field is quoted only when it holds a
// comma, a double quote, a CR or an LF, and a double quote inside is doubled.
#pragma once

#include <string>
#include <string_view>

namespace vortelin {

// Appends `field`, quoted when it must be.
void append_csv_field(std::string& out, std::string_view field);

}  // namespace vortelin
