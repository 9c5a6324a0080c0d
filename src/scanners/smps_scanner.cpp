#include "scanners/smps_scanner.hpp"

#include <array>
#include <string>

#include "scanners/field_text.hpp"
#include "scanners/first_and_last.hpp"
#include "tables/summary_tables.hpp"
#include "text/byte_class.hpp"
#include "text/value_reader.hpp"

namespace vortelin {

namespace {

constexpr std::string_view kDateKey = "Date";
constexpr std::string_view kTimeKey = "Start Time";
constexpr std::string_view kScanUpKey = "Scan Up Time(s)";
// The labels in front of the retrace time and of the scans per sample.
constexpr std::size_t kRetraceLabel = 15;
constexpr std::size_t kScansLabel = 16;

void read_one(std::string_view text, ValueTarget target) {
  const std::array<ValueTarget, 1> items{target};
  read_values(after_label_comma(text), items);
}

// A record of the scan settings block, which must be there.
std::string_view next_setting(InChannel& data, RawRecord& record) {
  read_record(data, kMaxFieldLength, Handling::none, record);
  return record.text;
}

template <std::size_t N1, std::size_t N2>
void take_first_and_last(const RawRecord& record, std::size_t key_at, std::size_t key_length,
                         std::string_view starts, FixedField<N1>& first, FixedField<N2>& last) {
  const FirstAndLast values =
      first_and_last(record.text, key_at + key_length, record.tail, record.cut, starts);
  if (!values.found) return;
  first.assign(values.first);
  last.assign(values.last);
}

}  // namespace

std::string_view after_label_comma(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && is_blank_or_tab(text[at])) ++at;
  if (at < text.size() && text[at] == ',') return text.substr(at + 1);
  return text;
}

void scan_smps(InChannel& data, std::string_view file, ScanState& state, OutChannel& table) {
  RawRecord record;
  while (read_record(data, kMaxFieldLength, Handling::end_of_file, record) == Outcome::record) {
    // All three keys are looked up before the settings block reads further records.
    const std::size_t date_at = record.text.find(kDateKey);
    const std::size_t time_at = record.text.find(kTimeKey);
    const std::size_t scan_up_at = record.text.find(kScanUpKey);
    if (date_at != std::string_view::npos) {
      take_first_and_last(record, date_at, kDateKey.size(), kDateStarts, state.strdat,
                          state.enddat);
    }
    if (time_at != std::string_view::npos) {
      take_first_and_last(record, time_at, kTimeKey.size(), kTimeStarts, state.strtim,
                          state.endtim);
    }
    if (scan_up_at != std::string_view::npos) {
      read_one(text_from(record.text, scan_up_at + kScanUpKey.size()), &state.scnuptim);
      read_one(text_from(next_setting(data, record), kRetraceLabel), &state.rtractim);
      next_setting(data, record);
      read_one(text_from(next_setting(data, record), kScansLabel), &state.scnpsmp);
    }
  }
  std::string row;
  format_row(SmpsRow{file, state.strdat.view(), state.enddat.view(), state.strtim.view(),
                     state.endtim.view(), state.scnpsmp, state.scnuptim, state.rtractim},
             row);
  write_formatted(table, row);
  close(data);
}

}  // namespace vortelin
