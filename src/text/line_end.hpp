// Every line the program writes ends with CR LF, on every platform.
#pragma once

#include <string_view>

namespace vortelin {

inline constexpr std::string_view kLineEnd = "\r\n";

}  // namespace vortelin
