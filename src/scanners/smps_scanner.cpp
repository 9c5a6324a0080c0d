#include "scanners/smps_scanner.hpp"

#include <array>
#include <optional>
#include <string>

#include "scanners/export_record.hpp"
#include "scanners/export_words.hpp"
#include "scanners/field_text.hpp"
#include "scanners/first_and_last.hpp"
#include "tables/summary_tables.hpp"
#include "text/byte_class.hpp"
#include "text/value_reader.hpp"

namespace vortelin {

namespace {

using words::Setting;

// Where a scan setting goes in the scan state.
ValueTarget setting_target(ScanState& state, Setting setting) {
  switch (setting) {
    case Setting::scan_up:
      return &state.scnuptim;
    case Setting::retrace:
      return &state.rtractim;
    case Setting::scans:
      return &state.scnpsmp;
  }
  return &state.scnuptim;
}

void read_one(std::string_view text, ValueTarget target) {
  const std::array<ValueTarget, 1> items{target};
  read_values(text, items);
}

// A settings cell of a sample row: empty or blank cells and absent columns
// leave the value as it is.
void read_cell(const CellValue& cell, ValueTarget target) {
  if (cell.present && !cell.blanks_only) read_one(cell.text, target);
}

// The first and last date or time of a labelled record: whole values when the
// field holds one after the key, otherwise the characters the older rule gives.
template <std::size_t N1, std::size_t N2>
void take_first_and_last(const RawRecord& record, const KeyedValues& values,
                         const words::ValuesKey& key, FixedField<N1>& first, FixedField<N2>& last) {
  if (values.key_at == std::string_view::npos) return;
  if (values.first) {
    first.assign(values.first->view());
    if (values.rest->found()) last.assign(values.rest->last().view());
    return;
  }
  const FirstAndLast stripped = first_and_last(record.text, values.key_at + key.key.size(),
                                               record.tail, record.cut, key.older_starts);
  if (!stripped.found) return;
  first.assign(stripped.first);
  last.assign(stripped.last);
}

// The value text of a scan setting: the label's own separator, one comma that is
// the first character other than blanks and tabs, is not a null value.
std::string_view after_label_comma(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && is_blank_or_tab(text[at])) ++at;
  if (at < text.size() && text[at] == ',') return text.substr(at + 1);
  return text;
}

struct BlockAt {
  std::size_t at = std::string_view::npos;
  const words::SettingsBlock* block = nullptr;
};

// The settings block a record's field starts: of the keys it holds, the one
// listed first, at its first place in the field.
BlockAt settings_block(std::string_view field) {
  for (const words::SettingsBlock& block : words::kSettingsBlocks) {
    if (const std::size_t at = field.find(block.key); at != std::string_view::npos) {
      return {at, &block};
    }
  }
  return {};
}

// How much of a retrace record its label takes: the label it starts with, or
// the block's fixed length when it starts with none.
std::size_t retrace_label_length(const words::SettingsBlock& block, std::string_view record) {
  for (const std::string_view label : block.retrace_labels) {
    if (!label.empty() && record.starts_with(label)) return label.size();
  }
  return block.unlabelled_retrace_length;
}

// The scan settings block: the key's record and the three records below it.
void read_settings(InChannel& data, RawRecord& record, ScanState& state) {
  const auto [key_at, block] = settings_block(record.text);
  if (block == nullptr) return;
  read_one(after_label_comma(text_from(record.text, key_at + block->key.size())),
           setting_target(state, Setting::scan_up));
  const std::string_view retrace = read_required_text(data, record);
  read_one(after_label_comma(text_from(retrace, retrace_label_length(*block, retrace))),
           setting_target(state, Setting::retrace));
  read_required_text(data, record);
  read_one(
      after_label_comma(text_from(read_required_text(data, record), block->scans_label.size())),
      setting_target(state, Setting::scans));
}

// A sample row: the file's first sets the first date and time and the scan
// settings; every one sets the last date and time.
void take_sample(const SampleCells& cells, bool first_row, ScanState& state) {
  if (first_row) {
    if (cells.date()) state.strdat.assign(cells.date()->view());
    if (cells.time()) state.strtim.assign(cells.time()->view());
    for (const Setting setting : words::kSettings) {
      read_cell(cells.setting(setting), setting_target(state, setting));
    }
  }
  if (cells.date()) state.enddat.assign(cells.date()->view());
  if (cells.time()) state.endtim.assign(cells.time()->view());
}

}  // namespace

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
      case ExportRecord::Kind::other:
        samples.reset();
        take_first_and_last(record, pass.dates(), words::kDatesKey, state.strdat, state.enddat);
        take_first_and_last(record, pass.times(), words::kTimesKey, state.strtim, state.endtim);
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
