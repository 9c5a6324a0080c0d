// The command line of vortelin-overview.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "calendar/date_order.hpp"

namespace vortelin::overview {

struct Options {
  std::string folder;  // where the tables are; empty for the current folder
  std::string output;  // the picture; empty for scn_overview.svg in the folder
  std::string scans;   // the scans table; empty for scn_scans.csv in the folder, if there
  calendar::OrderOption date_order = calendar::OrderOption::none;
  bool by_day = false;  // a strip per day whatever the campaign's length
};

enum class Request { draw, help, version, usage_error };

struct Arguments {
  Request request = Request::draw;
  Options options;
  std::string error;  // what is wrong with a command line that is a usage error
};

// [--day-first | --month-first] [--by-day] [--scans FILE] [-o FILE] [FOLDER],
// or --help, or --version, anywhere.
Arguments parse_arguments(std::span<const std::string_view> args);

}  // namespace vortelin::overview
