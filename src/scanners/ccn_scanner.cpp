#include "scanners/ccn_scanner.hpp"

#include <array>
#include <string>

#include "scanners/field_text.hpp"
#include "scanners/repeated_values.hpp"
#include "tables/summary_tables.hpp"
#include "text/value_reader.hpp"

namespace vortelin {

namespace {

constexpr std::size_t kDateColumn = 6;  // the date is in columns 7 to 15 of record 2
constexpr std::size_t kDateLength = 9;
constexpr std::size_t kTimeLength = 8;    // a data record starts with its time
constexpr std::size_t kValuesColumn = 9;  // column 9 separates the time from the values
constexpr int kIgnoredHeaderRecords = 4;  // records 3 to 6

// The supersaturation, one value read and not kept, and the temperature
// difference, from a data record's value text. Returns what the read depended
// on (see read_values).
std::size_t read_record_values(std::string_view values, float& supersaturation, float& ignored,
                               float& delta_t) {
  const std::array<ValueTarget, 3> items{&supersaturation, &ignored, &delta_t};
  return read_values(values, items);
}

void write_segment(OutChannel& table, std::string_view file, const ScanState& state,
                   std::string& row) {
  format_row(CcnRow{file, state.strdat.view(), state.strtim.view(), state.endtim.view(), state.ssat,
                    state.delt},
             row);
  write_formatted(table, row);
}

}  // namespace

void scan_ccn(InChannel& data, std::string_view file, ScanState& state, OutChannel& table) {
  RawRecord record;
  read_required_text(data, record);
  state.strdat.assign(text_at(read_required_text(data, record), kDateColumn, kDateLength));
  for (int i = 0; i < kIgnoredHeaderRecords; ++i) read_required_text(data, record);

  const std::string_view first = read_required_text(data, record);
  state.strtim.assign(text_at(first, 0, kTimeLength));
  // A file of one record (a start-up file) gives a segment that ends where it starts.
  state.endtim = state.strtim;
  read_record_values(text_from(first, kValuesColumn), state.ssat, state.dummy, state.delt);
  // A null on the next record repeats this record's values.
  state.css = state.ssat;
  state.cdel = state.delt;

  std::string row;
  RepeatedValues last;  // css, dummy and cdel change only by these reads
  while (read_record(data, kMaxFieldLength, Handling::end_of_file, record) == Outcome::record) {
    state.endtim.assign(text_at(record.text, 0, kTimeLength));
    const std::string_view values = text_from(record.text, kValuesColumn);
    if (!repeats(last, values)) {
      remember(last, values, read_record_values(values, state.css, state.dummy, state.cdel));
    }
    // Exact comparison of the 32-bit values: no tolerance, and -0.0 equals 0.0.
    if (state.css != state.ssat) {
      write_segment(table, file, state, row);
      state.ssat = state.css;
      state.delt = state.cdel;
      state.strtim = state.endtim;
    }
  }
  write_segment(table, file, state, row);
  close(data);
}

}  // namespace vortelin
