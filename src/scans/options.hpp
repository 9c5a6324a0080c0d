// The command line of vortelin-scans:
//   [--day-first | --month-first] [--ccn-offset SECONDS] [-o FILE] [PATH...]
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date_order.hpp"

namespace vortelin::scans {

inline constexpr std::string_view kStandardOutputName = "-";

struct Options {
  calendar::OrderOption order = calendar::OrderOption::none;
  std::int64_t ccn_offset = 0;  // seconds added to every CCN time
  std::string output;           // empty: scn_scans.csv; "-": standard output
  std::vector<std::string> paths;
};

enum class Request { run, help, version, usage_error };

struct Arguments {
  Request request = Request::run;
  Options options;
  std::string error;  // what is wrong, for a usage error
};

// The largest offset taken: a hundred years of seconds.
inline constexpr std::int64_t kMaxOffset = 3'155'760'000;

// Options may come anywhere before "--"; "-" alone is a path. An option given
// twice is not an error: the last one counts.
Arguments parse_arguments(std::span<const std::string_view> args);

}  // namespace vortelin::scans
