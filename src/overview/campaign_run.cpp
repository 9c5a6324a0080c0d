#include "overview/campaign_run.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>
#include <unordered_set>
#include <vector>

#include "overview/civil_time.hpp"
#include "overview/day_split.hpp"
#include "overview/placement.hpp"
#include "overview/scans_reader.hpp"
#include "overview/svg_picture.hpp"
#include "overview/table_reader.hpp"
#include "overview/xml_text.hpp"
#include "tables/scans_table.hpp"

namespace vortelin::overview {

namespace {

constexpr std::string_view kPictureName = "scn_overview.svg";
constexpr std::size_t kNamedLeftOut = 5;  // per table on standard error, in all in the picture

std::string in_folder(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  const char last = folder.back();
  return folder + (last == '/' || last == '\\' ? "" : "/") + std::string(name);
}

void say(std::FILE* stream, const std::string& line) {
  std::fprintf(stream, "vortelin-overview: %s\n", line.c_str());
}

// Reads one table; false, with the diagnostic written, when it is no table.
// A missing table is said to leave its lane empty unless `covered` (the
// scans table draws the SMPS lane).
bool read_one(const std::string& path, TableKind kind, bool covered, Table& table, std::FILE* err) {
  table = read_table(path, kind);
  switch (table.outcome) {
    case Table::Outcome::read:
      return true;
    case Table::Outcome::missing:
      if (!covered) say(err, "no " + path + ": its lane stays empty");
      return true;
    case Table::Outcome::unreadable:
      say(err, "cannot read " + path + ": " + table.error);
      return false;
    case Table::Outcome::not_a_table:
      say(err, path + " is not a table of vortelin: its first line is not the header of " +
                   std::string(table_name(kind)));
      return false;
  }
  return false;
}

// "scn_scans.csv has no column whole: taken as empty".
std::string noted(const std::string& path, const std::string& note) {
  std::string line = path;
  line += ' ';
  line += note;
  return line;
}

// Reads the scans table; false, with the diagnostic written, when it cannot
// be drawn. A missing table is no error unless it was named.
bool read_samples(const std::string& path, bool named, ScansTable& scans, std::FILE* err) {
  scans = read_scans(path);
  switch (scans.outcome) {
    case ScansTable::Outcome::read:
      for (const std::string& note : scans.notes) say(err, noted(path, note));
      return true;
    case ScansTable::Outcome::missing:
      if (!named) return true;
      say(err, "cannot read " + path + ": " + scans.error);
      return false;
    case ScansTable::Outcome::unreadable:
      say(err, "cannot read " + path + ": " + scans.error);
      return false;
    case ScansTable::Outcome::not_a_table:
      say(err, path + " is not a scans table: " + scans.error);
      return false;
  }
  return false;
}

std::string counted(std::size_t count, std::string_view one, std::string_view many) {
  if (count == 0) return "no " + std::string(many);
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string left_out_text(const std::string& path, const LeftOut& row) {
  std::string line = path + " line " + std::to_string(row.line) + " left out (" + row.reason + ")";
  if (!row.file.empty() || !row.sample.empty()) line += ": \"" + printable(row.file) + "\"";
  if (!row.sample.empty()) line += " sample " + printable(row.sample);
  return line;
}

// The rows of one table that are not drawn, in line order: every one of them,
// or the first few and how many there are in all.
struct LeftOutRows {
  std::string path;
  std::vector<LeftOut> rows;
  std::size_t count = 0;
};

LeftOutRows table_left_out(const std::string& path, const Table& table, const Placement& placed) {
  LeftOutRows all{path, table.malformed, 0};
  all.rows.insert(all.rows.end(), placed.left_out.begin(), placed.left_out.end());
  std::sort(all.rows.begin(), all.rows.end(),
            [](const LeftOut& a, const LeftOut& b) { return a.line < b.line; });
  all.count = all.rows.size();
  return all;
}

// Names the first few rows of each table on standard error and in the
// footnote; returns how many rows are left out in all.
std::size_t report_left_out(const std::vector<LeftOutRows>& tables,
                            std::vector<std::string>& footnote, std::FILE* err) {
  std::size_t total = 0;
  std::size_t named = 0;
  for (const LeftOutRows& table : tables) {
    for (std::size_t k = 0; k < table.rows.size() && k < kNamedLeftOut; ++k) {
      const std::string text = left_out_text(table.path, table.rows[k]);
      say(err, text);
      if (named < kNamedLeftOut) {
        footnote.push_back(text);
        ++named;
      }
    }
    if (table.count > kNamedLeftOut) {
      say(err, table.path + ": " + counted(table.count - kNamedLeftOut, "more row", "more rows") +
                   " left out");
    }
    total += table.count;
  }
  if (total > named)
    footnote.push_back("and " + counted(total - named, "more row", "more rows") + " left out");
  return total;
}

std::vector<Bar> sample_bars(const ScansTable& scans) {
  std::vector<Bar> bars;
  bars.reserve(scans.samples.size());
  for (std::size_t i = 0; i < scans.samples.size(); ++i) {
    const Sample& sample = scans.samples[i];
    bars.push_back({sample.start, sample.end, sample.set_point, i, !sample.has_end});
  }
  return bars;
}

// The exports of scn_smps.dat that have no sample in the scans table.
std::vector<Bar> exports_without_samples(const std::vector<Bar>& exports,
                                         const std::vector<TableRow>& rows,
                                         const ScansTable& scans) {
  const std::unordered_set<std::string_view> sampled(scans.exports.begin(), scans.exports.end());
  std::vector<Bar> left;
  for (const Bar& bar : exports) {
    if (!sampled.contains(row_file(rows[bar.row].text, TableKind::smps))) left.push_back(bar);
  }
  return left;
}

std::string what_was_drawn(const PictureInput& picture, std::size_t day_strips) {
  std::string text;
  if (picture.samples.scans != nullptr) {
    text = counted(picture.samples.bars.size(), "SMPS sample", "SMPS samples");
    if (!picture.exports.bars.empty()) {
      text += ", " + counted(picture.exports.bars.size(), "SMPS export without samples",
                             "SMPS exports without samples");
    }
  } else {
    text = counted(picture.exports.bars.size(), "SMPS export", "SMPS exports");
  }
  text += " and " + counted(picture.ccn.bars.size(), "CCN segment", "CCN segments");
  std::int64_t first = std::numeric_limits<std::int64_t>::max();
  std::int64_t last = std::numeric_limits<std::int64_t>::min();
  for (const LaneSource* lane : {&picture.exports, &picture.samples, &picture.ccn}) {
    for (const Bar& bar : lane->bars) {
      first = std::min(first, bar.start);
      last = std::max(last, bar.end);
    }
  }
  if (first <= last) text += ", " + iso_time(first) + " to " + iso_time(last);
  if (picture.by_day) text += ", " + counted(day_strips, "day strip", "day strips");
  return text;
}

// How the rows' dates were read, or nothing when no row was placed.
std::string date_orders(const DateTally& smps, const DateTally& ccn) {
  const std::size_t month_first = smps.month_first + ccn.month_first;
  const std::size_t day_first = smps.day_first + ccn.day_first;
  const std::size_t by_default = smps.by_default + ccn.by_default;
  if (month_first + day_first == 0) return {};
  std::string text = "dates read per row:";
  if (month_first > 0) {
    text += " " + std::to_string(month_first) + " month first";
    if (by_default > 0) text += " (" + std::to_string(by_default) + " by default)";
  }
  if (day_first > 0) {
    text += month_first > 0 ? ", " : " ";
    text += std::to_string(day_first) + " day first";
  }
  return text;
}

bool same_file(const std::string& a, const std::string& b) {
  std::error_code ignored;
  return std::filesystem::equivalent(a, b, ignored);
}

// Writes the whole picture, or nothing: it is written beside its place under
// another name, and renamed when it is complete.
bool write_picture(const std::string& path, const PictureInput& picture, std::FILE* err) {
  const std::string part = path + ".part";
  PictureText out;
  out.file = std::fopen(part.c_str(), "wb");
  if (out.file == nullptr) {
    say(err, "cannot write " + path + ": " + std::strerror(errno));
    return false;
  }
  draw_overview(picture, out);
  const int error = errno;
  if (std::fclose(out.file) != 0 || out.failed) {
    say(err, "cannot write " + path + ": " + std::strerror(out.failed ? error : errno));
    std::remove(part.c_str());
    return false;
  }
  std::error_code renamed;
  std::filesystem::rename(part, path, renamed);
  if (renamed) {
    say(err, "cannot write " + path + ": " + renamed.message());
    std::remove(part.c_str());
    return false;
  }
  return true;
}

}  // namespace

int draw_campaign(const Options& options, std::FILE* out, std::FILE* err) {
  const std::string smps_path = in_folder(options.folder, table_name(TableKind::smps));
  const std::string ccn_path = in_folder(options.folder, table_name(TableKind::ccnc));
  const std::string scans_path =
      options.scans.empty() ? in_folder(options.folder, kScansTableName) : options.scans;
  const std::string picture_path =
      options.output.empty() ? in_folder(options.folder, kPictureName) : options.output;
  std::error_code ignored;
  if (!options.folder.empty() && !std::filesystem::is_directory(options.folder, ignored)) {
    say(err, "no folder " + options.folder);
    return 1;
  }
  Table smps_table;
  Table ccn_table;
  ScansTable scans;
  if (!read_samples(scans_path, !options.scans.empty(), scans, err)) return 1;
  const bool with_samples = scans.outcome == ScansTable::Outcome::read;
  if (!read_one(smps_path, TableKind::smps, with_samples, smps_table, err) ||
      !read_one(ccn_path, TableKind::ccnc, false, ccn_table, err)) {
    return 1;
  }
  for (const std::string& table : {smps_path, ccn_path, scans_path}) {
    if (same_file(picture_path, table)) {
      say(err, "will not write the picture over a table: " + picture_path);
      return 1;
    }
  }

  const Placement smps = place_smps(smps_table.rows, options.date_order);
  const Placement ccn = place_ccn(ccn_table.rows, options.date_order);
  const std::vector<Bar> samples = with_samples ? sample_bars(scans) : std::vector<Bar>();
  const std::vector<Bar> exports =
      with_samples ? exports_without_samples(smps.bars, smps_table.rows, scans) : smps.bars;

  std::vector<std::string> footnote;
  LeftOutRows scans_left_out{scans_path, scans.left_out, scans.left_out_count};
  const std::size_t left_out =
      report_left_out({table_left_out(smps_path, smps_table, smps),
                       table_left_out(ccn_path, ccn_table, ccn), scans_left_out},
                      footnote, err);
  for (const std::string& note : scans.notes) footnote.push_back(noted(scans_path, note));

  PictureInput picture{{exports, &smps_table.rows, nullptr},
                       {samples, nullptr, with_samples ? &scans : nullptr},
                       {ccn.bars, &ccn_table.rows, nullptr},
                       {},
                       footnote,
                       false};
  const std::array<std::span<const Bar>, 3> lanes{picture.exports.bars, picture.samples.bars,
                                                  picture.ccn.bars};
  picture.by_day = options.by_day || spans_more_days_than(lanes, 2);
  const std::size_t day_strips =
      picture.by_day ? days_with_data(lanes, kMaxDayStrips).days.size() : 0;

  std::string caption = what_was_drawn(picture, day_strips);
  if (left_out > 0) caption += "; " + counted(left_out, "row", "rows") + " left out";
  if (const std::string dates = date_orders(smps.dates, ccn.dates); !dates.empty()) {
    caption += "; " + dates;
  }
  picture.caption = caption;
  if (!write_picture(picture_path, picture, err)) return 1;
  std::fprintf(out, "wrote %s: %s\n", printable(picture_path).c_str(), caption.c_str());
  return std::fflush(out) == 0 ? 0 : 1;
}

}  // namespace vortelin::overview
