#include "scans/export_reading.hpp"

#include <utility>

#include "scanners/sample_table.hpp"
#include "scans/labelled_fields.hpp"
#include "text/byte_order_mark.hpp"

namespace vortelin::scans {

namespace {

using words::Setting;

// A label whose line gives a value per sample, and what its fields hold.
struct Label {
  std::string_view text;
  FieldKind kind;
  Setting setting = Setting::scan_up;  // for real and integer fields
};

constexpr std::size_t count_setting_titles() {
  std::size_t count = 0;
  for (const words::Title& title : words::kTitles) {
    if (title.content == words::Content::setting) ++count;
  }
  return count;
}

// The dates, the start times, then every setting title, in the table's order.
constexpr auto labels() {
  std::array<Label, 2 + count_setting_titles()> all{};
  all[0] = {words::kDatesKey.key, FieldKind::date};
  all[1] = {words::kTimesKey.key, FieldKind::time};
  std::size_t next = 2;
  for (const words::Title& title : words::kTitles) {
    if (title.content != words::Content::setting) continue;
    const FieldKind kind = title.setting == Setting::scans ? FieldKind::integer : FieldKind::real;
    all[next++] = {title.text, kind, title.setting};
  }
  return all;
}

inline constexpr auto kLabels = labels();
using LabelledLines = std::array<std::optional<LineFields>, kLabels.size()>;

// The separator after `label` at the start of `head`, when there is one.
std::optional<char> label_separator(std::string_view head, std::string_view label) {
  if (head.size() <= label.size() || !head.starts_with(label)) return std::nullopt;
  const char separator = head[label.size()];
  if (separator != '\t' && separator != ',') return std::nullopt;
  return separator;
}

// One line of an export, read in one pass whether it is held whole or passes
// piece by piece: a sample row of the current table, a table header, the
// sample-number line, a labelled line not met before, or none of these.
class ExportLine {
 public:
  enum class Kind { other, sample_row, table_header, sample_numbers, labelled };

  void begin(const std::optional<TableLayout>& table, bool first_line, const LabelledLines& seen,
             bool numbers_seen) {
    table_ = table;
    first_line_ = first_line;
    seen_ = &seen;
    numbers_seen_ = numbers_seen;
    started_ = false;
    kind_ = Kind::other;
    titles_.reset();
    numbers_.reset();
    fields_.reset();
  }

  void feed(std::string_view piece) {
    if (!started_) {
      started_ = true;
      start(piece);
      return;
    }
    if (kind_ == Kind::sample_row) {
      cells_.feed(piece);
      return;
    }
    if (titles_) titles_->feed(piece);
    if (numbers_) numbers_->feed(piece);
    if (fields_) fields_->feed(piece);
  }

  void end() {
    if (!started_) start({});
    if (kind_ == Kind::sample_row) {
      cells_.end();
      if (!cells_.sample_row()) kind_ = Kind::other;
      return;
    }
    if (titles_) {
      if (const std::optional<TableLayout> layout = titles_->end()) {
        kind_ = Kind::table_header;
        layout_ = *layout;
        return;
      }
    }
    if (numbers_) {
      kind_ = Kind::sample_numbers;
      result_ = numbers_->end();
    } else if (fields_) {
      kind_ = Kind::labelled;
      result_ = fields_->end();
    }
  }

  LineSink sink() {
    return {[](void* context, std::string_view piece) {
              static_cast<ExportLine*>(context)->feed(piece);
            },
            this};
  }

  Kind kind() const { return kind_; }
  const SampleCells& cells() const { return cells_; }
  const TableLayout& layout() const { return layout_; }
  std::size_t label() const { return label_; }
  LineFields take_fields() { return std::move(result_); }

 private:
  void start(std::string_view piece) {
    if (first_line_) piece = without_byte_order_mark(piece);
    if (table_) {
      cells_.begin(*table_, true);
      cells_.feed(piece);
      if (cells_.sample_row()) {
        kind_ = Kind::sample_row;
        return;
      }
    }
    const std::string_view head = piece.substr(0, kMaxFieldLength);
    if (const std::optional<HeaderOpening> opening = header_opening(head)) {
      titles_.emplace(*opening);
      titles_->feed(piece);
    }
    const std::string_view numbers_label = words::kSampleNumbersLabel;
    if (const auto separator = label_separator(head, numbers_label); separator && !numbers_seen_) {
      numbers_.emplace(FieldKind::sample_number, *separator);
      numbers_->feed(piece.substr(numbers_label.size() + 1));
      return;
    }
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
      const auto separator = label_separator(head, kLabels[i].text);
      if (!separator) continue;
      if ((*seen_)[i]) return;  // only the first line of a label counts
      label_ = i;
      fields_.emplace(kLabels[i].kind, *separator);
      fields_->feed(piece.substr(kLabels[i].text.size() + 1));
      return;
    }
  }

  std::optional<TableLayout> table_;
  bool first_line_ = false;
  const LabelledLines* seen_ = nullptr;
  bool numbers_seen_ = false;
  bool started_ = false;
  Kind kind_ = Kind::other;
  SampleCells cells_;
  std::optional<HeaderTitles> titles_;
  TableLayout layout_;
  std::optional<FieldReader> numbers_;
  std::optional<FieldReader> fields_;
  std::size_t label_ = 0;
  LineFields result_;
};

SettingCell cell_of(const CellValue& cell, Setting setting) {
  if (!cell.present) return {CellState::no_cell};
  if (cell.blanks_only) return {CellState::absent};
  return read_setting(cell.text, setting == Setting::scans);
}

RawSample row_sample(const SampleCells& cells) {
  RawSample sample{std::string(cells.number()), cells.date(), cells.time(), {}};
  for (const Setting setting : words::kSettings) {
    sample.settings[words::index_of(setting)] = cell_of(cells.setting(setting), setting);
  }
  return sample;
}

// The line of each setting: that of its first label the file has a line of.
std::array<const LineFields*, words::kSettingCount> setting_lines(const LabelledLines& lines) {
  std::array<const LineFields*, words::kSettingCount> found{};
  for (std::size_t i = 0; i < kLabels.size(); ++i) {
    const Label& label = kLabels[i];
    if (label.kind != FieldKind::real && label.kind != FieldKind::integer) continue;
    const LineFields*& line = found[words::index_of(label.setting)];
    if (line == nullptr && lines[i]) line = &*lines[i];
  }
  return found;
}

template <typename T>
T field_or(const std::vector<T>& fields, std::size_t at, T otherwise) {
  return at < fields.size() ? fields[at] : otherwise;
}

// The samples named on the sample-number line, each with the value in its
// field of the date, time and setting lines.
void add_column_samples(const LineFields& numbers, const LabelledLines& lines,
                        std::vector<RawSample>& samples) {
  const auto lines_of_settings = setting_lines(lines);
  for (std::size_t at = 0; at < numbers.numbers.size(); ++at) {
    if (numbers.numbers[at].empty()) continue;
    RawSample sample{numbers.numbers[at], std::nullopt, std::nullopt, {}};
    if (lines[0]) sample.date = field_or(lines[0]->shapes, at, std::optional<ShapeText>());
    if (lines[1]) sample.time = field_or(lines[1]->shapes, at, std::optional<ShapeText>());
    for (std::size_t s = 0; s < words::kSettingCount; ++s) {
      if (lines_of_settings[s] != nullptr) {
        sample.settings[s] = field_or(lines_of_settings[s]->cells, at, SettingCell{});
      }
    }
    samples.push_back(std::move(sample));
  }
}

}  // namespace

ExportReading read_export(InChannel& data) {
  ExportReading reading;
  std::vector<RawSample> rows;
  std::optional<TableLayout> table;  // the table the next rows may belong to
  LabelledLines lines;
  std::optional<LineFields> numbers;
  ExportLine line;
  const LineSink sink = line.sink();
  RawRecord record;
  for (bool first = true;; first = false) {
    line.begin(table, first, lines, numbers.has_value());
    if (read_record(data, kMaxFieldLength, Handling::end_of_file, record, &sink) !=
        Outcome::record) {
      break;
    }
    if (record.whole) line.feed(record.line);
    line.end();
    if (line.kind() != ExportLine::Kind::sample_row) table.reset();
    switch (line.kind()) {
      case ExportLine::Kind::sample_row:
        rows.push_back(row_sample(line.cells()));
        break;
      case ExportLine::Kind::table_header:
        table = line.layout();
        break;
      case ExportLine::Kind::sample_numbers:
        numbers = line.take_fields();
        reading.columns_cut = reading.columns_cut || numbers->cut;
        break;
      case ExportLine::Kind::labelled:
        lines[line.label()] = line.take_fields();
        reading.columns_cut = reading.columns_cut || lines[line.label()]->cut;
        break;
      case ExportLine::Kind::other:
        break;
    }
  }
  if (numbers) add_column_samples(*numbers, lines, reading.samples);
  for (RawSample& sample : rows) reading.samples.push_back(std::move(sample));
  const auto lines_of_settings = setting_lines(lines);
  for (std::size_t s = 0; s < words::kSettingCount; ++s) {
    if (lines_of_settings[s] != nullptr) reading.labelled[s] = lines_of_settings[s]->first_value;
  }
  return reading;
}

}  // namespace vortelin::scans
