// List-style output lines: a blank, then the items one after another, then the
// line end. An item that would bring a line holding text to 80 characters or
// more starts a new line; an item at the start of a line is never moved.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vortelin {

class OutChannel;

// The lines of one list-style statement, without their line ends.
std::vector<std::string> list_lines(std::initializer_list<std::string_view> items);

// Writes one list-style statement to `out`. A channel that cannot be written
// fails here with "list output start: can't write file".
void write_list(OutChannel& out, std::initializer_list<std::string_view> items);

}  // namespace vortelin
