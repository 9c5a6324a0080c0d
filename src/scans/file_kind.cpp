#include "scans/file_kind.hpp"

#include "calendar/civil_date.hpp"
#include "scanners/first_lines.hpp"
#include "text/byte_class.hpp"

namespace vortelin::scans {

namespace {

constexpr std::string_view kDateLineStart = "Date";
constexpr std::size_t kDateLine = 1;     // 0-based: the second line
constexpr std::size_t kFirstRecord = 6;  // the seventh line

bool two_digits_at(std::string_view text, std::size_t at) {
  return is_digit(text[at]) && is_digit(text[at + 1]);
}

int two_digits(std::string_view text, std::size_t at) {
  return digit_value(text[at]) * 10 + digit_value(text[at + 1]);
}

}  // namespace

std::optional<std::int32_t> record_time(std::string_view record) {
  if (record.size() < 8 || record[2] != ':' || record[5] != ':' || !two_digits_at(record, 0) ||
      !two_digits_at(record, 3) || !two_digits_at(record, 6)) {
    return std::nullopt;
  }
  return calendar::time_of_day(two_digits(record, 0), two_digits(record, 3), two_digits(record, 6));
}

Classified classify(InChannel& data) {
  Classified found;
  std::optional<std::int32_t> first_time;
  const FirstLines lines = read_first_lines(data, [&](std::size_t index, const RawRecord& record) {
    if (index == kDateLine && record.text.starts_with(kDateLineStart)) {
      found.ccn_date = first_shape(ShapeKind::date, record.text);
    }
    if (index == kFirstRecord) first_time = record_time(record.text);
  });
  if (lines.export_marked) {
    found.kind = FileKind::smps_export;
  } else if (found.ccn_date && first_time) {
    found.kind = FileKind::ccn_data;
    found.ccn_first_time = *first_time;
  }
  return found;
}

}  // namespace vortelin::scans
