// The command line of vortelin-overview.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vortelin::overview {

struct Options {
  std::string folder;  // where the tables are; empty for the current folder
  std::string output;  // the picture; empty for scn_overview.svg in the folder
  bool day_first = false;
};

enum class Request { draw, help, version, usage_error };

struct Arguments {
  Request request = Request::draw;
  Options options;
  std::string error;  // what is wrong with a command line that is a usage error
};

// [--day-first] [-o FILE] [FOLDER], or --help, or --version, anywhere.
Arguments parse_arguments(std::span<const std::string_view> args);

}  // namespace vortelin::overview
