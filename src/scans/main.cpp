// The entry point of vortelin-scans: the command line, then one run.
#include <string_view>
#include <vector>

#include "platform/platform.hpp"
#include "scans/options.hpp"
#include "scans/scans_run.hpp"
#include "text/error_stream.hpp"

namespace {

constexpr std::string_view kUsage =
    R"(Usage: vortelin-scans [--day-first | --month-first] [--ccn-offset SECONDS]
                      [-o FILE] [PATH...]
Writes one row per SMPS sample with the CCN set point in force at its start,
and whether the counter stayed at it, steadily, through the sample.

PATH is a data file, a folder (its files), or @LIST (a file naming one PATH a
line); without PATH, the current folder. SMPS exports and CCN data files are
told apart by their first lines; any other file is skipped and named.

  --day-first, --month-first
                  the order of day and month for files whose own dates and
                  name do not tell it (default: month first, and named)
  --ccn-offset SECONDS
                  add SECONDS (whole, may be negative) to every CCN time
  -o FILE         write the table to FILE instead of scn_scans.csv ('-':
                  standard output); a file that holds data is never replaced
  -h, --help      show this text
  -V, --version   show the version

Columns: export, sample, start, end, duration_s, set_point, delta_t, whole,
since_change_s, stable, ccn_file. Notes and a summary go to standard error.
Exit status: 0 when the table was written, 1 when a file could not be read
or nothing was written, 2 for a wrong command line.
See the manual page vortelin-scans(1).
)";

void on_console_signal(vortelin::ConsoleSignal) noexcept {
  vortelin::write_to_error_stream("vortelin-scans: interrupted\n");
}

// The text with the platform's line ends.
std::string with_line_ends(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') {
      out += vortelin::text_line_end();
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  vortelin::prepare_standard_streams();
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const auto parsed = vortelin::scans::parse_arguments(args);
  switch (parsed.request) {
    case vortelin::scans::Request::help:
      return vortelin::write_to_stream(vortelin::kStandardOutput, with_line_ends(kUsage)) ? 0 : 1;
    case vortelin::scans::Request::version:
      return vortelin::write_to_stream(vortelin::kStandardOutput,
                                       with_line_ends("vortelin-scans " VORTELIN_VERSION "\n"))
                 ? 0
                 : 1;
    case vortelin::scans::Request::usage_error:
      vortelin::write_to_error_stream(with_line_ends("vortelin-scans: " + parsed.error +
                                                     "\nTry 'vortelin-scans --help' for more.\n"));
      return 2;
    case vortelin::scans::Request::run:
      break;
  }
  vortelin::install_console_handler(on_console_signal);
  return vortelin::scans::run_scans(parsed.options);
}
