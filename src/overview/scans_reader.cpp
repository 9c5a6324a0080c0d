#include "overview/scans_reader.hpp"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "overview/civil_time.hpp"
#include "tables/scans_table.hpp"
#include "unicode/utf8.hpp"

namespace vortelin::overview {

namespace {

constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A set point beyond this is no supersaturation; it would also not round to a
// thousandth in a 64-bit integer, which is how set points are told apart.
constexpr float kLargestSetPoint = 1e9F;

constexpr std::array kRequired{ScansColumn::export_name, ScansColumn::sample, ScansColumn::start};
constexpr std::array kShown{ScansColumn::end, ScansColumn::set_point, ScansColumn::whole,
                            ScansColumn::since_change, ScansColumn::stable};

std::optional<float> read_float(std::string_view text) {
  float value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::int64_t> read_integer(std::string_view text) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string column_list(const std::vector<std::string_view>& names) {
  std::string text;
  for (const std::string_view name : names) {
    if (!text.empty()) text += ", ";
    text += name;
  }
  return text;
}

}  // namespace

void ScansReading::feed(std::string_view bytes) {
  while (!bytes.empty() && !stopped_) {
    bytes.remove_prefix(reader_.take(bytes));
    if (reader_.has_record()) {
      take(reader_.record());
      reader_.next();
    }
  }
}

ScansTable ScansReading::finish() {
  if (!stopped_) {
    reader_.finish();
    if (reader_.has_record()) take(reader_.record());
  }
  if (table_.outcome != ScansTable::Outcome::read) return std::move(table_);
  if (reader_.saw_lone_cr()) {
    table_.notes.emplace_back("has lines ended by a CR alone: read as line ends");
  }
  if (not_utf8_ > 0) {
    table_.notes.push_back("names an export or a sample in bytes that are not UTF-8 on " +
                           std::to_string(not_utf8_) + (not_utf8_ == 1 ? " row" : " rows") +
                           ": shown as U+FFFD");
  }
  return std::move(table_);
}

void ScansReading::take(const CsvRecord& record) {
  if (have_header_) {
    take_row(record);
  } else {
    take_header(record);
  }
}

void ScansReading::take_header(const CsvRecord& record) {
  have_header_ = true;
  width_ = record.fields.size();
  columns_.assign(kScansColumnNames.size(), kAbsent);
  for (std::size_t i = 0; i < record.fields.size(); ++i) {
    std::string_view name = record.fields[i];
    if (i == 0 && name.starts_with(kByteOrderMark)) name.remove_prefix(kByteOrderMark.size());
    for (std::size_t c = 0; c < kScansColumnNames.size(); ++c) {
      if (name == kScansColumnNames[c] && columns_[c] == kAbsent) columns_[c] = i;
    }
  }
  const auto missing = [&](auto which) {
    std::vector<std::string_view> names;
    for (const ScansColumn column : which) {
      if (columns_[static_cast<std::size_t>(column)] == kAbsent)
        names.push_back(column_name(column));
    }
    return names;
  };
  const auto required = missing(kRequired);
  if (!record.problem.empty() || !required.empty()) {
    table_.outcome = ScansTable::Outcome::not_a_table;
    table_.error = record.problem.empty()
                       ? "its first line names no column " + column_list(required)
                       : "its first line is not a header row (" + std::string(record.problem) + ")";
    stopped_ = true;
    return;
  }
  const auto optional = missing(kShown);
  if (!optional.empty()) {
    table_.notes.push_back((optional.size() == 1 ? "has no column " : "has no columns ") +
                           column_list(optional) + ": taken as empty");
  }
}

void ScansReading::leave_out(const CsvRecord& record, std::string reason) {
  if (table_.left_out.size() < kKeptLeftOut) {
    const auto field = [&](ScansColumn column) {
      const std::size_t at = columns_[static_cast<std::size_t>(column)];
      return at < record.fields.size() ? record.fields[at] : std::string();
    };
    table_.left_out.push_back({record.line, std::move(reason), field(ScansColumn::export_name),
                               field(ScansColumn::sample)});
  }
  ++table_.left_out_count;
}

void ScansReading::take_row(const CsvRecord& record) {
  if (!record.problem.empty()) return leave_out(record, std::string(record.problem));
  if (record.fields.size() == 1 && record.fields[0].empty() && width_ > 1) return;  // a blank line
  if (record.fields.size() != width_) {
    return leave_out(record, std::to_string(record.fields.size()) + " fields, the header has " +
                                 std::to_string(width_));
  }
  const auto field = [&](ScansColumn column) -> std::string_view {
    const std::size_t at = columns_[static_cast<std::size_t>(column)];
    return at == kAbsent ? std::string_view() : record.fields[at];
  };
  Sample sample;
  sample.line = record.line;
  const auto start = read_iso_moment(field(ScansColumn::start));
  if (!start) return leave_out(record, "start is not a date and time");
  sample.start = *start;
  sample.end = *start;
  if (const std::string_view end = field(ScansColumn::end); !end.empty()) {
    const auto moment = read_iso_moment(end);
    if (!moment) return leave_out(record, "end is not a date and time");
    if (*moment < *start) return leave_out(record, "it ends before it starts");
    sample.end = *moment;
    sample.has_end = true;
  }
  if (const std::string_view set_point = field(ScansColumn::set_point); !set_point.empty()) {
    const auto value = read_float(set_point);
    if (!value || std::fabs(*value) > kLargestSetPoint) {
      return leave_out(record, "set_point is not a number");
    }
    sample.set_point = *value;
    sample.has_set_point = true;
  }
  if (const std::string_view whole = field(ScansColumn::whole); !whole.empty()) {
    if (whole != kWholeYes && whole != kWholeNo) {
      return leave_out(record, "whole is neither yes nor no");
    }
    sample.whole = whole == kWholeYes ? Whole::yes : Whole::no;
  }
  if (const std::string_view since = field(ScansColumn::since_change); !since.empty()) {
    const auto value = read_integer(since);
    if (!value) return leave_out(record, "since_change_s is not a whole number");
    sample.since_change = *value;
    sample.has_since_change = true;
  }
  if (const std::string_view stable = field(ScansColumn::stable); !stable.empty()) {
    const auto value = read_float(stable);
    if (!value) return leave_out(record, "stable is not a number");
    sample.stable = *value;
    sample.has_stable = true;
  }
  if (table_.samples.size() == kMaxSamples) {
    table_.notes.push_back("holds more than " + std::to_string(kMaxSamples) +
                           " samples: the rest is not read");
    stopped_ = true;
    return;
  }
  const std::string_view name = field(ScansColumn::export_name);
  sample.number = field(ScansColumn::sample);
  if (!is_well_formed_utf8(name) || !is_well_formed_utf8(sample.number)) ++not_utf8_;
  const auto [entry, added] = export_index_.try_emplace(
      std::string(name), static_cast<std::uint32_t>(table_.exports.size()));
  if (added) table_.exports.emplace_back(name);
  sample.export_index = entry->second;
  table_.samples.push_back(std::move(sample));
}

ScansTable parse_scans(std::string_view bytes) {
  ScansReading reading;
  reading.feed(bytes);
  return reading.finish();
}

ScansTable read_scans(const std::string& path) {
  const auto closer = [](std::FILE* file) { std::fclose(file); };
  const std::unique_ptr<std::FILE, decltype(closer)> file(std::fopen(path.c_str(), "rb"), closer);
  if (!file) {
    ScansTable table;
    table.outcome =
        errno == ENOENT ? ScansTable::Outcome::missing : ScansTable::Outcome::unreadable;
    table.error = std::strerror(errno);
    return table;
  }
  ScansReading reading;
  std::array<char, 1 << 16> buffer{};
  std::size_t got = 0;
  while (!reading.done() && (got = std::fread(buffer.data(), 1, buffer.size(), file.get())) > 0) {
    reading.feed({buffer.data(), got});
  }
  if (std::ferror(file.get())) {
    ScansTable table;
    table.outcome = ScansTable::Outcome::unreadable;
    table.error = std::strerror(errno);
    return table;
  }
  return reading.finish();
}

}  // namespace vortelin::overview
