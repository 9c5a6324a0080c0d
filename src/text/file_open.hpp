// Opening files by the name held in a text field.
#pragma once

#include <string>
#include <string_view>

namespace vortelin {

// The file name a field names: its content up to the first NUL, less trailing
// blanks. Leading blanks stay part of the name.
std::string name_in_field(std::string_view field);

// Opens an existing file for reading, or returns -1. A folder is not a file to
// read, and opening never blocks (a FIFO without a writer, a device).
int open_for_reading(const std::string& name);

}  // namespace vortelin
