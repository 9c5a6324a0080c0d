#include "overview/table_reader.hpp"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "tables/summary_layout.hpp"
#include "tables/summary_tables.hpp"

namespace vortelin::overview {

namespace {

std::string_view tail_of(TableKind kind) {
  return kind == TableKind::smps ? kSmpsRowTail : kCcnRowTail;
}

bool is_header(std::string_view line, TableKind kind) {
  return !line.empty() && line.front() == kTableLineStart &&
         line.substr(1) == (kind == TableKind::smps ? kSmpsHeader : kCcnHeader);
}

// The `index`th run of '#' in the tail: where it starts and how long it is.
std::string_view nth_field(std::string_view row, TableKind kind, std::size_t index) {
  const std::string_view tail = tail_of(kind);
  std::size_t at = tail.find('#');
  for (std::size_t k = 0; k < index; ++k) at = tail.find('#', tail.find_first_not_of('#', at));
  const std::size_t end = tail.find_first_not_of('#', at);
  const std::size_t width = (end == std::string_view::npos ? tail.size() : end) - at;
  return row.substr(row.size() - tail.size() + at, width);
}

bool matches_tail(std::string_view row, TableKind kind) {
  const std::string_view tail = tail_of(kind);
  // The opening quote of the name, then the tail.
  if (row.size() < tail.size() + 1 || row.front() != '"') return false;
  const std::string_view end = row.substr(row.size() - tail.size());
  for (std::size_t i = 0; i < tail.size(); ++i) {
    if (tail[i] != '#' && tail[i] != end[i]) return false;
  }
  return true;
}

// The line without its line end (LF, or CR LF) and whether it had one.
std::string_view next_line(std::string_view& bytes, bool& terminated) {
  const std::size_t lf = bytes.find('\n');
  terminated = lf != std::string_view::npos;
  std::string_view line = bytes.substr(0, lf);
  bytes.remove_prefix(terminated ? lf + 1 : bytes.size());
  if (terminated && !line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

std::string_view table_name(TableKind kind) {
  return kind == TableKind::smps ? kSmpsTableName : kCcnTableName;
}

Table parse_table(std::string_view bytes, TableKind kind) {
  Table table;
  if (bytes.empty()) return table;
  bool terminated = false;
  if (!is_header(next_line(bytes, terminated), kind)) {
    table.outcome = Table::Outcome::not_a_table;
    return table;
  }
  for (std::size_t number = 2; !bytes.empty(); ++number) {
    std::string_view line = next_line(bytes, terminated);
    if (!terminated) {
      table.malformed.push_back({number, "the last line has no line end", {}, {}});
    } else if (line.empty() || line.front() != kTableLineStart ||
               !matches_tail(line.substr(1), kind)) {
      table.malformed.push_back({number, "not a row of this table", {}, {}});
    } else {
      table.rows.push_back({number, std::string(line.substr(1))});
    }
  }
  return table;
}

Table read_table(const std::string& path, TableKind kind) {
  Table table;
  const auto closer = [](std::FILE* file) { std::fclose(file); };
  const std::unique_ptr<std::FILE, decltype(closer)> file(std::fopen(path.c_str(), "rb"), closer);
  if (!file) {
    table.outcome = errno == ENOENT ? Table::Outcome::missing : Table::Outcome::unreadable;
    table.error = std::strerror(errno);
    return table;
  }
  std::string bytes;
  std::array<char, 1 << 16> buffer{};
  std::size_t got = 0;
  while ((got = std::fread(buffer.data(), 1, buffer.size(), file.get())) > 0) {
    bytes.append(buffer.data(), got);
  }
  if (std::ferror(file.get())) {
    table.outcome = Table::Outcome::unreadable;
    table.error = std::strerror(errno);
    return table;
  }
  return parse_table(bytes, kind);
}

std::string_view row_file(std::string_view row, TableKind kind) {
  return row.substr(1, row.size() - tail_of(kind).size() - 1);
}

std::string_view row_field(std::string_view row, SmpsColumn column) {
  return nth_field(row, TableKind::smps, static_cast<std::size_t>(column));
}

std::string_view row_field(std::string_view row, CcnColumn column) {
  return nth_field(row, TableKind::ccnc, static_cast<std::size_t>(column));
}

}  // namespace vortelin::overview
