#include "table_shape.hpp"

#include <algorithm>
#include <cstddef>

namespace vortelin::fuzz {

namespace {

// Everything after the file name. 'T' is any byte of a quoted text field, 'I'
// the integer field, 'F' and 'G' the fixed-point fields with 1 and 3 decimals.
constexpr std::string_view kSmpsTail =
    R"(" "TTTTTTTTT" "TTTTTTTT" "TTTTTTTT" "TTTTTTTT" III FFFFFF FFFFFF)";
constexpr std::string_view kCcnTail = R"(" "TTTTTTTTT" "TTTTTTTT" "TTTTTTTT"  GGGGGGGG GGGGGGGG)";
constexpr std::size_t kMaxName = 64;

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Right-aligned digits with an optional minus sign and `decimals` places, or
// all asterisks. No sign on a value whose digits are all zero.
bool is_number_field(std::string_view field, int decimals) {
  if (std::all_of(field.begin(), field.end(), [](char c) { return c == '*'; })) return true;
  const std::size_t start = field.find_first_not_of(' ');
  if (start == std::string_view::npos) return false;
  std::string_view text = field.substr(start);
  const bool negative = text.front() == '-';
  if (negative) text.remove_prefix(1);
  const std::size_t point =
      decimals > 0 ? text.size() - static_cast<std::size_t>(decimals) - 1 : text.size();
  if (decimals > 0 &&
      (text.size() < static_cast<std::size_t>(decimals) + 2 || text[point] != '.')) {
    return false;
  }
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = decimals > 0 ? text.substr(point + 1) : std::string_view{};
  const auto all_digits = [](std::string_view s) {
    return std::all_of(s.begin(), s.end(), is_digit);
  };
  if (whole.empty() || !all_digits(whole) || !all_digits(fraction)) return false;
  if (whole.size() > 1 && whole.front() == '0') return false;
  const bool zero = whole.find_first_not_of('0') == std::string_view::npos &&
                    fraction.find_first_not_of('0') == std::string_view::npos;
  return !(negative && zero);
}

// Checks `line` against ` "` name `tail`; returns the name and the tail text.
std::optional<std::pair<std::string_view, std::string_view>> split_row(std::string_view line,
                                                                       std::string_view tail) {
  if (line.size() < 2 + 1 + tail.size() || line.substr(0, 2) != " \"") return std::nullopt;
  const std::string_view name = line.substr(2, line.size() - 2 - tail.size());
  if (name.size() > kMaxName) return std::nullopt;
  const std::string_view rest = line.substr(line.size() - tail.size());
  for (std::size_t i = 0; i < tail.size();) {
    const char kind = tail[i];
    if (kind == 'T') {
      ++i;
      continue;
    }
    if (kind == 'I' || kind == 'F' || kind == 'G') {
      const std::size_t end = tail.find_first_not_of(kind, i);
      const std::size_t width = (end == std::string_view::npos ? tail.size() : end) - i;
      const int decimals = kind == 'I' ? 0 : kind == 'F' ? 1 : 3;
      if (!is_number_field(rest.substr(i, width), decimals)) return std::nullopt;
      i += width;
      continue;
    }
    if (rest[i] != kind) return std::nullopt;
    ++i;
  }
  return std::pair{name, rest};
}

}  // namespace

std::optional<std::vector<std::string_view>> crlf_lines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const std::size_t lf = bytes.find('\n');
    if (lf == std::string_view::npos || lf == 0 || bytes[lf - 1] != '\r') return std::nullopt;
    lines.push_back(bytes.substr(0, lf - 1));
    bytes.remove_prefix(lf + 1);
  }
  return lines;
}

std::optional<SmpsRowText> parse_smps_row(std::string_view line) {
  const auto row = split_row(line, kSmpsTail);
  if (!row) return std::nullopt;
  const std::string_view t = row->second;
  return SmpsRowText{row->first, t.substr(3, 9), t.substr(15, 8), t.substr(26, 8), t.substr(37, 8)};
}

std::optional<CcnRowText> parse_ccn_row(std::string_view line) {
  const auto row = split_row(line, kCcnTail);
  if (!row) return std::nullopt;
  const std::string_view t = row->second;
  return CcnRowText{row->first, t.substr(3, 9), t.substr(15, 8), t.substr(26, 8)};
}

}  // namespace vortelin::fuzz
