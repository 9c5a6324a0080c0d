// Reading scn_smps.dat and scn_ccnc.dat back: the header line that marks a table
// of this program, and the fields of each row, found from the row's right end
// (the quoted file name before them may hold blanks and double quotes, but the
// fields after it have fixed widths).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vortelin::overview {

enum class TableKind { smps, ccnc };

enum class SmpsColumn { first_date, last_date, first_time, last_time, scans, scan_up, retrace };
enum class CcnColumn { date, start_time, end_time, set_point, delta_t };

// "scn_smps.dat" or "scn_ccnc.dat", as the tables library names them.
std::string_view table_name(TableKind kind);

// One row of a table: its line number (the header is line 1) and its bytes
// without the leading blank and the line end.
struct TableRow {
  std::size_t line = 0;
  std::string text;
};

// A line that is not drawn, and why.
struct LeftOut {
  std::size_t line = 0;
  std::string reason;
  std::string file;    // the row's file name, when the row has the table's layout
  std::string sample;  // the sample number, for a row of the scans table
};

struct Table {
  enum class Outcome { read, missing, not_a_table, unreadable };
  Outcome outcome = Outcome::read;
  std::string error;  // why an unreadable table could not be read
  std::vector<TableRow> rows;
  std::vector<LeftOut> malformed;  // lines without the layout of a row
};

// The rows of a table's bytes. Empty bytes are a table without rows; bytes whose
// first line is not the table's header line are not a table. Lines may end with
// CR LF (as written) or LF.
Table parse_table(std::string_view bytes, TableKind kind);

// The table in the file `path`: missing when there is no such file.
Table read_table(const std::string& path, TableKind kind);

// A field of a row of the layout, with its blanks; the file name is the text
// between the quotes.
std::string_view row_file(std::string_view row, TableKind kind);
std::string_view row_field(std::string_view row, SmpsColumn column);
std::string_view row_field(std::string_view row, CcnColumn column);

}  // namespace vortelin::overview
