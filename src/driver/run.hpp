// One run of the program: the console dialogue, the list walk, the
// classification of each data file and its hand-off to a scanner.
#pragma once

#include <array>
#include <vector>

#include "scanners/scan_state.hpp"
#include "text/fatal.hpp"
#include "text/fixed_field.hpp"
#include "text/in_channel.hpp"
#include "text/out_channel.hpp"

namespace vortelin {

// The channel numbers of the run; diagnostics name them.
inline constexpr int kAnswerUnit = 5;
inline constexpr int kConsoleUnit = 6;
inline constexpr int kListUnit = 10;
inline constexpr int kDataUnit = 20;

inline constexpr std::string_view kBanner = "VORTELIN - scan current dir for CCN/SMPS files";
inline constexpr std::string_view kCredit = "VORTELIN authors 14/05/05";
inline constexpr std::string_view kPrompt = "Give file with filname list: ";
inline constexpr std::string_view kEntryFailed = "*** Error opening/processing file.";
inline constexpr std::string_view kFinished = "Scanning finished.";
inline constexpr std::string_view kListNotOpened = "Error opening file";

// Every file the run owns, and the scan state. Long-lived buffers are
// allocated once, so memory stays flat over any number of files.
struct Run {
  IoTrace trace;  // what the last I/O statement left behind
  OutChannel console;
  InChannel answer;
  InChannel list;
  OutChannel smps_table;
  OutChannel ccn_table;
  InChannel data;
  ScanState state;
  std::vector<char> answer_buffer = std::vector<char>(std::size_t{8} * 1024);
  std::vector<char> list_buffer = std::vector<char>(std::size_t{64} * 1024);
  std::vector<char> data_buffer = std::vector<char>(std::size_t{256} * 1024);
};

// Runs from the banner to the stop message and returns the exit status. A
// fatal condition leaves by FatalCondition, with the files still open.
int execute(Run& run);

// The way out of a fatal condition, short of the abort: the console lines
// written so far, then the diagnostic on standard error, then every file
// closed, the tables cut to their whole rows. Never throws.
void finish_after_fatal(Run& run, const FatalCondition& condition) noexcept;

// "STOP <message> statement executed" and a line end.
std::string stop_text(std::string_view message);

}  // namespace vortelin
