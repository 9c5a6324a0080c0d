// Opening files by the name held in a text field.
#pragma once

#include <string>
#include <string_view>

namespace vortelin {

// The file name a field names: its content less trailing blanks, then cut at
// its first NUL (so "ok <NUL>x" names "ok "). Leading blanks stay part of the name.
std::string name_in_field(std::string_view field);

// Opens an existing file for reading, or returns -1. A name of blanks only (or
// none) names no file. A folder is not a file to read, and opening never
// blocks (a FIFO without a writer, a device).
int open_for_reading(const std::string& name);

}  // namespace vortelin
