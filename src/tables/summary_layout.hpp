// The row layouts of the two summary tables, for the programs that read them
// back: what follows a row's quoted file name, from its closing quote to the
// line end. '#' stands for any byte of a field; every other byte is itself.
// The file name before it may hold blanks and double quotes, so a reader
// finds the fields from the row's right end. The writer's rows match these
// (tests/tables check it).
#pragma once

#include <string_view>

namespace vortelin {

inline constexpr std::string_view kSmpsRowTail =
    R"(" "#########" "########" "########" "########" ### ###### ######)";
inline constexpr std::string_view kCcnRowTail =
    R"(" "#########" "########" "########"  ######## ########)";

// Every line of a table, the header included, starts with this blank.
inline constexpr char kTableLineStart = ' ';

}  // namespace vortelin
