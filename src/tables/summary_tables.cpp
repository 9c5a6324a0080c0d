#include "tables/summary_tables.hpp"

#include "tables/number_format.hpp"

namespace vortelin {

namespace {

void append_quoted(std::string& out, std::string_view text) {
  out += " \"";
  out += text;
  out += '"';
}

}  // namespace

void format_row(const SmpsRow& row, std::string& out) {
  out.clear();
  append_quoted(out, row.file);
  append_quoted(out, row.first_date);
  append_quoted(out, row.last_date);
  append_quoted(out, row.first_time);
  append_quoted(out, row.last_time);
  out += ' ';
  append_integer(out, row.scans_per_sample, 3);
  out += ' ';
  append_fixed(out, row.scan_up_time, 6, 1);
  out += ' ';
  append_fixed(out, row.retrace_time, 6, 1);
}

void format_row(const CcnRow& row, std::string& out) {
  out.clear();
  append_quoted(out, row.file);
  append_quoted(out, row.date);
  append_quoted(out, row.start_time);
  append_quoted(out, row.end_time);
  out += "  ";
  append_fixed(out, row.supersaturation, 8, 3);
  out += ' ';
  append_fixed(out, row.delta_t, 8, 3);
}

}  // namespace vortelin
