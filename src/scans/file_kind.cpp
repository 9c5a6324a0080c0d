#include "scans/file_kind.hpp"

#include "scanners/first_lines.hpp"

namespace vortelin::scans {

namespace {

constexpr std::string_view kDateLineStart = "Date";
constexpr std::size_t kDateLine = 1;     // 0-based: the second line
constexpr std::size_t kFirstRecord = 6;  // the seventh line

}  // namespace

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
