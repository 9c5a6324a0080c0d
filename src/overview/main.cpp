// The entry point of vortelin-overview: the command line, then one run.
#include <cstdio>
#include <string_view>
#include <vector>

#include "overview/campaign_run.hpp"
#include "overview/options.hpp"

namespace {

constexpr std::string_view kUsage =
    "Usage: vortelin-overview [--day-first | --month-first] [--by-day]\n"
    "                         [--scans FILE] [-o FILE] [FOLDER]\n"
    "Draws the campaign summarised by vortelin's tables scn_smps.dat and\n"
    "scn_ccnc.dat in FOLDER (default: the current folder) as one SVG picture,\n"
    "scn_overview.svg in FOLDER: the SMPS exports, or with the scans table\n"
    "scn_scans.csv each sample coloured by its CCN set point, above the CCN\n"
    "segments at the height of their set point, each bar with a hover title.\n"
    "A campaign of more than two days is drawn as a strip per day.\n"
    "\n"
    "  -o, --output FILE  write the picture to FILE instead\n"
    "      --scans FILE   read the samples from FILE (default: scn_scans.csv in\n"
    "                     FOLDER, when it is there)\n"
    "      --by-day       a strip per day however short the campaign\n"
    "      --day-first    read a table row's date day/month/year when neither\n"
    "      --month-first  its own dates nor its file's name tell (without\n"
    "                     either, month/day/year)\n"
    "  -h, --help         show this text\n"
    "  -V, --version      show the version\n"
    "\n"
    "Exit status: 0 when the picture was written, 1 when not, 2 for a wrong\n"
    "command line. See the manual page vortelin-overview(1).\n";

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const auto parsed = vortelin::overview::parse_arguments(args);
  switch (parsed.request) {
    case vortelin::overview::Request::help:
      std::fputs(kUsage.data(), stdout);
      return std::fflush(stdout) == 0 ? 0 : 1;
    case vortelin::overview::Request::version:
      std::fputs("vortelin-overview " VORTELIN_VERSION "\n", stdout);
      return std::fflush(stdout) == 0 ? 0 : 1;
    case vortelin::overview::Request::usage_error:
      std::fprintf(stderr, "vortelin-overview: %s\nTry 'vortelin-overview --help' for more.\n",
                   parsed.error.c_str());
      return 2;
    case vortelin::overview::Request::draw:
      break;
  }
  return vortelin::overview::draw_campaign(parsed.options, stdout, stderr);
}
