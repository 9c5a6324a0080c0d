// vortelin-overview's reading and drawing over any table bytes: every line is
// a row or is left out, every row is placed or left out, and the picture is
// well-formed text (valid UTF-8, no control bytes but line feeds and tabs, only
// the entities it writes)
// whatever the table held.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "overview/placement.hpp"
#include "overview/svg_picture.hpp"
#include "overview/table_reader.hpp"

namespace {

using vortelin::overview::TableKind;

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

// The length of the UTF-8 sequence at the start of `text`, or 0 when it is not one.
std::size_t sequence_length(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  if (lead >= 0x80 && lead < 0xC2) return 0;
  if (lead > 0xF4 || text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0;
  }
  return length;
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
    const std::size_t length = sequence_length(svg.substr(i));
    require(length > 0, "invalid UTF-8 in the picture");
    i += length;
  }
  std::size_t opened = 0;
  std::size_t closed = 0;
  for (std::size_t at = svg.find("<title>"); at != std::string_view::npos;
       at = svg.find("<title>", at + 1)) {
    ++opened;
  }
  for (std::size_t at = svg.find("</title>"); at != std::string_view::npos;
       at = svg.find("</title>", at + 1)) {
    ++closed;
  }
  require(opened == closed, "a title is not closed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte says which table the rest is, and whether dates are day first.
  const TableKind kind = (data[0] & 1u) != 0 ? TableKind::ccnc : TableKind::smps;
  const auto choice = (data[0] & 2u) != 0 ? vortelin::overview::DateOrderChoice::day_first
                                          : vortelin::overview::DateOrderChoice::detect;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  const vortelin::overview::Table table = vortelin::overview::parse_table(bytes, kind);
  if (table.outcome != vortelin::overview::Table::Outcome::read) {
    require(table.rows.empty() && table.malformed.empty(), "rows from what is not a table");
    return 0;
  }
  require(table.rows.size() + table.malformed.size() == lines_after_header(bytes),
          "a line is neither a row nor left out");
  const auto placement = kind == TableKind::smps
                             ? vortelin::overview::place_smps(table.rows, choice)
                             : vortelin::overview::place_ccn(table.rows, choice);
  require(placement.bars.size() + placement.left_out.size() == table.rows.size(),
          "a row is neither drawn nor left out");
  for (const auto& bar : placement.bars) {
    require(bar.start <= bar.end && bar.row < table.rows.size(), "a bar out of place");
  }
  const std::vector<vortelin::overview::TableRow> none;
  const vortelin::overview::Lane lane{table.rows, placement.bars};
  const vortelin::overview::Lane empty{none, {}};
  check_svg(kind == TableKind::smps ? vortelin::overview::draw_overview(lane, empty, "smps")
                                    : vortelin::overview::draw_overview(empty, lane, "ccnc"));
  return 0;
}
