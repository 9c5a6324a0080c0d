// Text of the tables made safe for the picture's XML: escaped, and valid UTF-8
// whatever bytes a file name or a field held.
#pragma once

#include <string>
#include <string_view>

namespace vortelin::overview {

// Appends `text` as XML character data: &, < and > escaped, a line feed as a
// character reference (so an element stays on one line), a byte that is not
// part of valid UTF-8 and a control character other than the tab as U+FFFD.
void append_xml_text(std::string& out, std::string_view text);

// `text` for a terminal line: control bytes as '?'.
std::string printable(std::string_view text);

}  // namespace vortelin::overview
