#include "driver/command_line.hpp"

#include "platform/platform.hpp"
#include "text/error_stream.hpp"

namespace vortelin {

namespace {

// Written with "\n" and given the platform's line end when sent.
constexpr std::string_view kHelp =
    R"(Usage: vortelin [--help | --version]

Summarises a folder of aerosol-instrument files in two tables.

Start it in the folder that holds the files. It asks for the name of a list
file, which names one data file per line, and reads every file it names:
particle-sizer (SMPS) text exports and CCN-counter data files, told apart by
their first lines. The console shows a line for each file, and an error line
for one that cannot be read; the run goes on with the next.

It writes two tables into the folder, replacing earlier ones:
  scn_smps.dat  one row per SMPS export: the first and last scan date and
                time, scans per sample, scan up time and retrace time
  scn_ccnc.dat  one row per run of constant supersaturation set point in a
                CCN file: date, start and end time, the two set points

The answer may come from a file or a pipe, as in
  vortelin < answer.txt
Only the answer line is read from standard input: the rest is left to the
next reader.

Options, alone on the command line (any other arguments are ignored):
  -h, --help     show this text and exit
  -V, --version  show the version and exit

Exit status: 0 when the whole list was read, 1 when the list file cannot be
opened or the run is interrupted; a malformed file ends the run abnormally.

More: man vortelin, and the README installed with the program.
)";

std::string with_line_ends(std::string_view text, std::string_view line_end) {
  std::string out;
  out.reserve(text.size() * 2);
  for (const char c : text) {
    if (c == '\n') {
      out += line_end;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

Request request_of(std::span<const char* const> arguments) {
  if (arguments.size() != 1) return Request::run;
  const std::string_view option = arguments[0];
  if (option == "--help" || option == "-h") return Request::help;
  if (option == "--version" || option == "-V") return Request::version;
  return Request::run;
}

std::string version_text(std::string_view line_end) {
  return with_line_ends("vortelin " VORTELIN_VERSION "\n", line_end);
}

std::string help_text(std::string_view line_end) {
  return with_line_ends(kHelp, line_end);
}

int answer_request(Request request) {
  const std::string text =
      request == Request::help ? help_text(text_line_end()) : version_text(text_line_end());
  return write_to_stream(kStandardOutput, text) ? 0 : 1;
}

}  // namespace vortelin
