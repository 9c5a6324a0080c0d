// Reading the two tables back: the header decides what a table is, and every
// row is read from its right end, whatever its file name holds.
#include "overview/table_reader.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tables/summary_tables.hpp"

namespace vortelin::overview {
namespace {

// The header lines as vortelin writes them.
const std::string kSmpsHeaderLine = " " + std::string(kSmpsHeader) + "\r\n";
const std::string kCcnHeaderLine = " " + std::string(kCcnHeader) + "\r\n";

TEST(OverviewTableReader, ReadsFieldsFromTheRightEndWhateverTheNameHolds) {
  for (const std::string_view name :
       {std::string_view("ccn_0514.csv"), std::string_view("a b.csv"),
        std::string_view(R"(x" "05/14/05 " "1)"), std::string_view("\""), std::string_view(""),
        std::string_view("ok \0x", 5)}) {
    const std::string row = " \"" + std::string(name) +
                            "\" \"05/14/05 \" \"10:00:00\" \"10:00:12\"     0.200    4.500\r\n";
    const Table table = parse_table(kCcnHeaderLine + row, TableKind::ccnc);
    ASSERT_EQ(table.rows.size(), 1u) << name;
    const std::string_view text = table.rows[0].text;
    EXPECT_EQ(table.rows[0].line, 2u);
    EXPECT_EQ(row_file(text, TableKind::ccnc), name);
    EXPECT_EQ(row_field(text, CcnColumn::date), "05/14/05 ");
    EXPECT_EQ(row_field(text, CcnColumn::start_time), "10:00:00");
    EXPECT_EQ(row_field(text, CcnColumn::end_time), "10:00:12");
    EXPECT_EQ(row_field(text, CcnColumn::set_point), "   0.200");
    EXPECT_EQ(row_field(text, CcnColumn::delta_t), "   4.500");
  }
}

TEST(OverviewTableReader, ReadsAnSmpsRowWithBlankDatesAndAsterisks) {
  const Table table = parse_table(
      kSmpsHeaderLine +
          R"( "wide.txt" "         " "        " "10:00:00" "10:00:00" *** ******    0.0)"
          "\r\n",
      TableKind::smps);
  ASSERT_EQ(table.rows.size(), 1u);
  const std::string_view text = table.rows[0].text;
  EXPECT_EQ(row_file(text, TableKind::smps), "wide.txt");
  EXPECT_EQ(row_field(text, SmpsColumn::first_date), "         ");
  EXPECT_EQ(row_field(text, SmpsColumn::last_time), "10:00:00");
  EXPECT_EQ(row_field(text, SmpsColumn::scans), "***");
  EXPECT_EQ(row_field(text, SmpsColumn::scan_up), "******");
  EXPECT_EQ(row_field(text, SmpsColumn::retrace), "   0.0");
}

TEST(OverviewTableReader, TellsTablesFromOtherFiles) {
  const std::string row = R"( "a.csv" "05/14/05 " "10:00:00" "10:00:12"     0.200    4.500)"
                          "\r\n";
  struct Case {
    const char* what;
    std::string bytes;
    Table::Outcome outcome;
    std::size_t rows;
    std::size_t malformed;
  };
  const Case cases[] = {
      {"empty", "", Table::Outcome::read, 0, 0},
      {"header only", kCcnHeaderLine, Table::Outcome::read, 0, 0},
      {"header without line end", kCcnHeaderLine.substr(0, kCcnHeaderLine.size() - 2),
       Table::Outcome::read, 0, 0},
      {"LF line ends", " " + std::string(kCcnHeader) + "\n" + row.substr(0, row.size() - 2) + "\n",
       Table::Outcome::read, 1, 0},
      {"the other table", kSmpsHeaderLine + row, Table::Outcome::not_a_table, 0, 0},
      {"a data file", "Date,Time,SS\r\n05/14/05,10:00:00,0.2\r\n", Table::Outcome::not_a_table, 0,
       0},
      {"header without its leading blank", kCcnHeaderLine.substr(1) + row,
       Table::Outcome::not_a_table, 0, 0},
      {"a row cut short", kCcnHeaderLine + row + row.substr(0, 40), Table::Outcome::read, 1, 1},
      {"a blank line", kCcnHeaderLine + "\r\n" + row, Table::Outcome::read, 1, 1},
      {"a row one byte short", kCcnHeaderLine + row.substr(0, 30) + row.substr(31),
       Table::Outcome::read, 0, 1},
      {"a row whose name lost its quote", kCcnHeaderLine + " a.csv\" " + row.substr(9),
       Table::Outcome::read, 0, 1},
  };
  for (const Case& c : cases) {
    const Table table = parse_table(c.bytes, TableKind::ccnc);
    EXPECT_EQ(table.outcome, c.outcome) << c.what;
    EXPECT_EQ(table.rows.size(), c.rows) << c.what;
    EXPECT_EQ(table.malformed.size(), c.malformed) << c.what;
  }
}

}  // namespace
}  // namespace vortelin::overview
