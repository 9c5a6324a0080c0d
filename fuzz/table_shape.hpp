// The shape of summary-table lines, checked from the outside: a fuzz target
// parses what the program wrote instead of trusting its formatting code.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace vortelin::fuzz {

// The lines of `bytes`, each without its CR LF; nullopt when a line feed lacks
// its CR or the last line has no line end.
std::optional<std::vector<std::string_view>> crlf_lines(std::string_view bytes);

// The text fields of a particle-sizer row and of a CCN row; nullopt when
// `line` is not a complete row of that table (the number fields included).
struct SmpsRowText {
  std::string_view file, first_date, last_date, first_time, last_time;
};
struct CcnRowText {
  std::string_view file, date, start_time, end_time;
};
std::optional<SmpsRowText> parse_smps_row(std::string_view line);
std::optional<CcnRowText> parse_ccn_row(std::string_view line);

}  // namespace vortelin::fuzz
