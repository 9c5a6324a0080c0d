// vortelin-overview's reading and drawing over any table bytes: every line of a
// summary table is a row or is left out, every row is placed or left out; the
// scans table reads the same whatever pieces its bytes arrive in, and every
// sample read has its bar and title; the picture is well-formed text (valid
// UTF-8, no control bytes but line feeds and tabs, only the entities it
// writes, titles closed) whatever the table held, on one axis or in day strips.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "overview/day_split.hpp"
#include "overview/placement.hpp"
#include "overview/scans_reader.hpp"
#include "overview/svg_picture.hpp"
#include "overview/table_reader.hpp"
#include "overview/xml_text.hpp"
#include "unicode/utf8.hpp"

namespace {

using vortelin::overview::Bar;
using vortelin::overview::PictureInput;
using vortelin::overview::ScansTable;
using vortelin::overview::TableKind;

// Day strips for more days than this are skipped: thousands of empty frames
// cost time and find nothing new.
constexpr std::size_t kMostDayStrips = 100;

bool few_days(std::span<const Bar> bars) {
  const std::array<std::span<const Bar>, 1> lanes{bars};
  const auto days = vortelin::overview::days_with_data(lanes, kMostDayStrips);
  return days.beyond_limit == 0;
}

[[noreturn]] void violated(std::string_view what) {
  std::fprintf(stderr, "invariant broken: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

void require(bool holds, std::string_view what) {
  if (!holds) violated(what);
}

// The lines after the header: the pieces between line feeds, and a last piece
// without one when it is not empty.
std::size_t lines_after_header(std::string_view bytes) {
  const std::size_t header_end = bytes.find('\n');
  if (header_end == std::string_view::npos) return 0;
  bytes.remove_prefix(header_end + 1);
  std::size_t lines = 0;
  while (!bytes.empty()) {
    ++lines;
    const std::size_t lf = bytes.find('\n');
    bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
  }
  return lines;
}

std::size_t count_of(std::string_view text, std::string_view what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string_view::npos;
       at = text.find(what, at + 1)) {
    ++count;
  }
  return count;
}

void check_svg(std::string_view svg) {
  require(svg.ends_with("</svg>\n"), "the picture is not whole");
  for (std::size_t i = 0; i < svg.size();) {
    const char c = svg[i];
    require(static_cast<unsigned char>(c) >= 0x20 || c == '\n' || c == '\t',
            "a control byte in the picture");
    if (c == '&') {
      const std::string_view rest = svg.substr(i + 1);
      require(rest.starts_with("amp;") || rest.starts_with("lt;") || rest.starts_with("gt;") ||
                  rest.starts_with("#10;"),
              "a stray ampersand in the picture");
    }
    const std::size_t length = vortelin::utf8_sequence_length(svg.substr(i));
    require(length > 0, "invalid UTF-8 in the picture");
    i += length;
  }
  require(count_of(svg, "<title>") == count_of(svg, "</title>"), "a title is not closed");
  require(count_of(svg, "<g ") == count_of(svg, "</g>"), "a group is not closed");
}

// Everything a sample was read as, to compare two readings.
std::string described(const ScansTable& table) {
  // Appended piece by piece: g++ 12 misreads chains of '+' on temporaries.
  std::string text = std::to_string(static_cast<int>(table.outcome));
  text.append(table.error);
  for (const auto& sample : table.samples) {
    text.append("\n").append(std::to_string(sample.line)).append(" ");
    text.append(std::to_string(sample.start)).append(" ").append(std::to_string(sample.end));
    text.append(" ").append(table.exports[sample.export_index]).append(" ").append(sample.number);
    vortelin::overview::append_sample_entry(text, table, sample);
  }
  for (const auto& row : table.left_out) {
    text.append("\n").append(std::to_string(row.line)).append(" ").append(row.reason);
    text.append(row.file).append(row.sample);
  }
  text.append("\n").append(std::to_string(table.left_out_count));
  for (const std::string& note : table.notes) text.append("\n").append(note);
  return text;
}

void check_scans(std::string_view bytes, unsigned pieces, bool by_day) {
  const ScansTable table = vortelin::overview::parse_scans(bytes);
  vortelin::overview::ScansReading reading;
  for (std::string_view rest = bytes; !rest.empty();) {
    const std::size_t piece = std::min<std::size_t>(rest.size(), pieces);
    reading.feed(rest.substr(0, piece));
    rest.remove_prefix(piece);
    pieces = pieces * 7 % 61 + 1;
  }
  require(described(reading.finish()) == described(table), "the pieces read differently");
  if (table.outcome != ScansTable::Outcome::read) {
    require(table.samples.empty(), "samples from what is not a scans table");
    return;
  }
  require(table.left_out.size() <= table.left_out_count, "rows left out uncounted");
  std::vector<Bar> bars;
  for (std::size_t i = 0; i < table.samples.size(); ++i) {
    const auto& sample = table.samples[i];
    require(sample.start <= sample.end, "a sample ends before it starts");
    bars.push_back({sample.start, sample.end, sample.set_point, i, !sample.has_end});
  }
  PictureInput input;
  input.samples = {bars, nullptr, &table};
  input.caption = "scans";
  input.by_day = by_day && few_days(bars);
  const std::string svg = vortelin::overview::draw_overview(input);
  check_svg(svg);
  for (const auto& sample : table.samples) {
    std::string title;
    vortelin::overview::append_xml_text(title, table.exports[sample.export_index]);
    title += " sample ";
    vortelin::overview::append_xml_text(title, sample.number);
    title += ": ";
    require(svg.find(title) != std::string::npos, "a sample without its bar");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte says which table the rest is (0 scn_smps.dat, 1 scn_ccnc.dat,
  // 2 or 3 scn_scans.csv), the date option, and whether to draw day strips.
  const unsigned choice = data[0];
  const bool by_day = (choice & 16U) != 0;
  const auto option = (choice & 4U) != 0   ? vortelin::calendar::OrderOption::day_first
                      : (choice & 8U) != 0 ? vortelin::calendar::OrderOption::month_first
                                           : vortelin::calendar::OrderOption::none;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  if ((choice & 3U) >= 2) {
    check_scans(bytes, (choice >> 5) + 1, by_day);
    return 0;
  }
  const TableKind kind = (choice & 1U) != 0 ? TableKind::ccnc : TableKind::smps;

  const vortelin::overview::Table table = vortelin::overview::parse_table(bytes, kind);
  if (table.outcome != vortelin::overview::Table::Outcome::read) {
    require(table.rows.empty() && table.malformed.empty(), "rows from what is not a table");
    return 0;
  }
  require(table.rows.size() + table.malformed.size() == lines_after_header(bytes),
          "a line is neither a row nor left out");
  const auto placement = kind == TableKind::smps
                             ? vortelin::overview::place_smps(table.rows, option)
                             : vortelin::overview::place_ccn(table.rows, option);
  require(placement.bars.size() + placement.left_out.size() == table.rows.size(),
          "a row is neither drawn nor left out");
  for (const auto& bar : placement.bars) {
    require(bar.start <= bar.end && bar.row < table.rows.size(), "a bar out of place");
  }
  const vortelin::overview::LaneSource lane{placement.bars, &table.rows, nullptr};
  PictureInput input;
  (kind == TableKind::smps ? input.exports : input.ccn) = lane;
  input.caption = kind == TableKind::smps ? "smps" : "ccnc";
  input.by_day = by_day && few_days(placement.bars);
  check_svg(vortelin::overview::draw_overview(input));
  return 0;
}
