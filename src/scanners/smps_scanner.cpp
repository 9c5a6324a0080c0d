#include "scanners/smps_scanner.hpp"

#include <array>
#include <optional>
#include <string>

#include "scanners/export_record.hpp"
#include "scanners/field_text.hpp"
#include "scanners/first_and_last.hpp"
#include "tables/summary_tables.hpp"
#include "text/byte_class.hpp"
#include "text/value_reader.hpp"

namespace vortelin {

namespace {

// The keys of the scan settings block: a record holding the first uses it.
constexpr std::string_view kScanUpKey = "Scan Up Time(s)";
constexpr std::string_view kScanTimeKey = "Scan Time (s)";
// The labels in front of the retrace time and of the scans per sample. After
// the newer key the retrace label may be the newer, longer one.
constexpr std::size_t kRetraceLabel = 15;
constexpr std::string_view kNewerRetraceLabel = "Retrace Time (s)";
constexpr std::size_t kScansLabel = 16;

constexpr std::size_t kDateKeyLength = 4;
constexpr std::size_t kTimeKeyLength = 10;

void read_one(std::string_view text, ValueTarget target) {
  const std::array<ValueTarget, 1> items{target};
  read_values(text, items);
}

// A settings cell of a sample row: empty or blank cells and absent columns
// leave the value as it is.
void read_cell(const CellValue& cell, ValueTarget target) {
  if (cell.present && !cell.blanks_only) read_one(cell.text, target);
}

// A record of the scan settings block, which must be there.
std::string_view next_setting(InChannel& data, RawRecord& record) {
  read_record(data, kMaxFieldLength, Handling::none, record);
  return record.text;
}

// The first and last date or time of a labelled record: whole values when the
// field holds one after the key, otherwise the characters the stripping rule gives.
template <std::size_t N1, std::size_t N2>
void take_first_and_last(const RawRecord& record, const KeyedValues& values, std::size_t key_length,
                         std::string_view starts, FixedField<N1>& first, FixedField<N2>& last) {
  if (values.key_at == std::string_view::npos) return;
  if (values.first) {
    first.assign(values.first->view());
    if (values.rest->found()) last.assign(values.rest->last().view());
    return;
  }
  const FirstAndLast stripped =
      first_and_last(record.text, values.key_at + key_length, record.tail, record.cut, starts);
  if (!stripped.found) return;
  first.assign(stripped.first);
  last.assign(stripped.last);
}

struct KeyAt {
  std::size_t at = std::string_view::npos;
  std::string_view key;
};

// The settings key of a record's field: "Scan Up Time(s)" where the field holds
// it, otherwise "Scan Time (s)", found in one pass (both start with "Scan ").
KeyAt settings_key(std::string_view field) {
  constexpr std::string_view kStart = "Scan ";
  KeyAt newer;
  for (std::size_t at = field.find(kStart); at != std::string_view::npos;
       at = field.find(kStart, at + 1)) {
    const std::string_view rest = field.substr(at);
    if (rest.starts_with(kScanUpKey)) return {at, kScanUpKey};
    if (newer.at == std::string_view::npos && rest.starts_with(kScanTimeKey)) {
      newer = {at, kScanTimeKey};
    }
  }
  return newer;
}

// The scan settings block: the key's record and the three records below it.
void read_settings(InChannel& data, RawRecord& record, ScanState& state) {
  const auto [key_at, key] = settings_key(record.text);
  if (key_at == std::string_view::npos) return;
  read_one(after_label_comma(text_from(record.text, key_at + key.size())), &state.scnuptim);
  const std::string_view retrace = next_setting(data, record);
  const bool newer_label = key == kScanTimeKey && retrace.starts_with(kNewerRetraceLabel);
  read_one(after_label_comma(
               text_from(retrace, newer_label ? kNewerRetraceLabel.size() : kRetraceLabel)),
           &state.rtractim);
  next_setting(data, record);
  read_one(after_label_comma(text_from(next_setting(data, record), kScansLabel)), &state.scnpsmp);
}

// A sample row: the file's first sets the first date and time and the scan
// settings; every one sets the last date and time.
void take_sample(const SampleCells& cells, bool first_row, ScanState& state) {
  if (first_row) {
    if (cells.date()) state.strdat.assign(cells.date()->view());
    if (cells.time()) state.strtim.assign(cells.time()->view());
    read_cell(cells.scan_up(), &state.scnuptim);
    read_cell(cells.retrace(), &state.rtractim);
    read_cell(cells.scans(), &state.scnpsmp);
  }
  if (cells.date()) state.enddat.assign(cells.date()->view());
  if (cells.time()) state.endtim.assign(cells.time()->view());
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
  ExportRecord pass;
  const LineSink sink = pass.sink();
  std::optional<TableLayout> samples;  // the table the next rows may belong to
  bool first_row = true;
  for (;;) {
    pass.begin(samples, first_row);
    if (read_record(data, kMaxFieldLength, Handling::end_of_file, record, &sink) !=
        Outcome::record) {
      break;
    }
    if (record.whole) pass.feed(record.line);
    pass.end();
    switch (pass.kind()) {
      case ExportRecord::Kind::sample_row:
        take_sample(pass.cells(), first_row, state);
        first_row = false;
        break;
      case ExportRecord::Kind::table_header:
        samples = pass.layout();
        break;
      case ExportRecord::Kind::labelled:
        samples.reset();
        take_first_and_last(record, pass.dates(), kDateKeyLength, kDateStarts, state.strdat,
                            state.enddat);
        take_first_and_last(record, pass.times(), kTimeKeyLength, kTimeStarts, state.strtim,
                            state.endtim);
        read_settings(data, record, state);
        break;
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
