#include "overview/options.hpp"

namespace vortelin::overview {

Arguments parse_arguments(std::span<const std::string_view> args) {
  Arguments parsed;
  for (const std::string_view arg : args) {
    if (arg == "--help" || arg == "-h") return {Request::help, {}, {}};
  }
  for (const std::string_view arg : args) {
    if (arg == "--version" || arg == "-V") return {Request::version, {}, {}};
  }
  const auto usage_error = [](std::string error) {
    return Arguments{Request::usage_error, {}, std::move(error)};
  };
  bool options_ended = false;
  bool have_folder = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (!options_ended && arg == "--") {
      options_ended = true;
    } else if (!options_ended && arg == "--day-first") {
      parsed.options.day_first = true;
    } else if (!options_ended && (arg == "-o" || arg == "--output")) {
      if (i + 1 == args.size() || args[i + 1].empty()) {
        return usage_error(std::string(arg) + " needs a file name");
      }
      parsed.options.output = args[++i];
    } else if (!options_ended && arg.size() > 1 && arg.front() == '-') {
      return usage_error("unknown option '" + std::string(arg) + "'");
    } else if (have_folder) {
      return usage_error("one folder only, not also '" + std::string(arg) + "'");
    } else {
      parsed.options.folder = arg;
      have_folder = true;
    }
  }
  return parsed;
}

}  // namespace vortelin::overview
