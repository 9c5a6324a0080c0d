// Telling a name written in UTF-8 from one in a legacy code page.
#pragma once

#include <string_view>

namespace vortelin {

// True when `text` is well-formed UTF-8 and holds at least one character
// beyond ASCII. Overlong forms, surrogates, code points above U+10FFFF and cut
// sequences are not well-formed: such bytes come from a code page.
bool is_utf8_beyond_ascii(std::string_view text);

}  // namespace vortelin
