#include "overview/campaign_run.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "overview/placement.hpp"
#include "overview/svg_picture.hpp"
#include "overview/table_reader.hpp"
#include "overview/xml_text.hpp"

namespace vortelin::overview {

namespace {

constexpr std::string_view kPictureName = "scn_overview.svg";
constexpr std::size_t kNamedLeftOut = 5;  // per table; the rest are counted

std::string in_folder(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  const char last = folder.back();
  return folder + (last == '/' || last == '\\' ? "" : "/") + std::string(name);
}

void say(std::FILE* stream, const std::string& line) {
  std::fprintf(stream, "vortelin-overview: %s\n", line.c_str());
}

// Reads one table; false, with the diagnostic written, when it is no table.
bool read_one(const std::string& path, TableKind kind, Table& table, std::FILE* err) {
  table = read_table(path, kind);
  switch (table.outcome) {
    case Table::Outcome::read:
      return true;
    case Table::Outcome::missing:
      say(err, "no " + path + ": its lane stays empty");
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

std::string counted(std::size_t count, std::string_view one, std::string_view many) {
  if (count == 0) return "no " + std::string(many);
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

// Names the first few rows of a table that are not drawn; returns how many there are.
std::size_t report_left_out(const std::string& path, const Table& table, const Placement& placement,
                            std::FILE* err) {
  std::vector<LeftOut> all = table.malformed;
  all.insert(all.end(), placement.left_out.begin(), placement.left_out.end());
  std::sort(all.begin(), all.end(),
            [](const LeftOut& a, const LeftOut& b) { return a.line < b.line; });
  for (std::size_t k = 0; k < all.size() && k < kNamedLeftOut; ++k) {
    std::string line =
        path + " line " + std::to_string(all[k].line) + " left out (" + all[k].reason + ")";
    if (!all[k].file.empty()) line += ": \"" + printable(all[k].file) + "\"";
    say(err, line);
  }
  if (all.size() > kNamedLeftOut) {
    say(err,
        path + ": " + counted(all.size() - kNamedLeftOut, "more row", "more rows") + " left out");
  }
  return all.size();
}

std::string what_was_drawn(const Placement& smps, const Placement& ccn) {
  std::string text = counted(smps.bars.size(), "SMPS export", "SMPS exports") + " and " +
                     counted(ccn.bars.size(), "CCN segment", "CCN segments");
  std::int64_t first = std::numeric_limits<std::int64_t>::max();
  std::int64_t last = std::numeric_limits<std::int64_t>::min();
  for (const Placement* placement : {&smps, &ccn}) {
    for (const Bar& bar : placement->bars) {
      first = std::min(first, bar.start);
      last = std::max(last, bar.end);
    }
  }
  if (first <= last) text += ", " + iso_time(first) + " to " + iso_time(last);
  return text;
}

std::string date_orders(const Placement& smps, const Placement& ccn, bool day_first) {
  if (day_first) return "dates read day/month/year (--day-first)";
  if (smps.day_first_detected == ccn.day_first_detected) {
    return smps.day_first_detected ? "dates read day/month/year (a first part above 12)"
                                   : "dates read month/day/year";
  }
  const std::string_view which = smps.day_first_detected ? "scn_smps.dat" : "scn_ccnc.dat";
  return "dates of " + std::string(which) +
         " read day/month/year (a first part above 12), the others month/day/year";
}

bool same_file(const std::string& a, const std::string& b) {
  std::error_code ignored;
  return std::filesystem::equivalent(a, b, ignored);
}

// Writes the whole picture, or nothing: a file cut short is removed.
bool write_picture(const std::string& path, const std::string& svg, std::FILE* err) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    say(err, "cannot write " + path + ": " + std::strerror(errno));
    return false;
  }
  const bool written = std::fwrite(svg.data(), 1, svg.size(), file) == svg.size();
  const int error = errno;
  if (std::fclose(file) != 0 || !written) {
    say(err, "cannot write " + path + ": " + std::strerror(written ? errno : error));
    std::remove(path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int draw_campaign(const Options& options, std::FILE* out, std::FILE* err) {
  const std::string smps_path = in_folder(options.folder, table_name(TableKind::smps));
  const std::string ccn_path = in_folder(options.folder, table_name(TableKind::ccnc));
  const std::string picture =
      options.output.empty() ? in_folder(options.folder, kPictureName) : options.output;
  std::error_code ignored;
  if (!options.folder.empty() && !std::filesystem::is_directory(options.folder, ignored)) {
    say(err, "no folder " + options.folder);
    return 1;
  }
  Table smps_table;
  Table ccn_table;
  if (!read_one(smps_path, TableKind::smps, smps_table, err) ||
      !read_one(ccn_path, TableKind::ccnc, ccn_table, err)) {
    return 1;
  }
  if (same_file(picture, smps_path) || same_file(picture, ccn_path)) {
    say(err, "will not write the picture over a table: " + picture);
    return 1;
  }

  const DateOrderChoice choice =
      options.day_first ? DateOrderChoice::day_first : DateOrderChoice::detect;
  const Placement smps = place_smps(smps_table.rows, choice);
  const Placement ccn = place_ccn(ccn_table.rows, choice);
  const std::size_t left_out = report_left_out(smps_path, smps_table, smps, err) +
                               report_left_out(ccn_path, ccn_table, ccn, err);

  std::string notes = date_orders(smps, ccn, options.day_first);
  if (left_out > 0) notes = counted(left_out, "row", "rows") + " left out; " + notes;
  const std::string drawn = what_was_drawn(smps, ccn);
  const std::string svg =
      draw_overview({smps_table.rows, smps.bars}, {ccn_table.rows, ccn.bars}, drawn + "; " + notes);
  if (!write_picture(picture, svg, err)) return 1;
  std::fprintf(out, "wrote %s: %s; %s\n", printable(picture).c_str(), drawn.c_str(), notes.c_str());
  return std::fflush(out) == 0 ? 0 : 1;
}

}  // namespace vortelin::overview
