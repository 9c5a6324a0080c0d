// How a file name reaches Windows: a name that is UTF-8 beyond ASCII, as
// current editors save a list, is opened by its characters through the
// wide-character calls; any other name goes to the code-page calls as bytes.
// Plain C++, so the rule is built and tested on every system.
#pragma once

#include <string>
#include <string_view>

namespace vortelin {

// True when `text` is well-formed UTF-8 and holds at least one character
// beyond ASCII. Overlong forms, surrogates, code points above U+10FFFF and cut
// sequences are not well-formed: such bytes come from a code page.
bool is_utf8_beyond_ascii(std::string_view text);

// The UTF-16 code units of a name opened by its characters; empty for a name
// that goes to the code-page calls.
std::u16string wide_name(std::string_view name);

}  // namespace vortelin
