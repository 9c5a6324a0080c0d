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
  using calendar::OrderOption;
  Options& options = parsed.options;
  bool options_ended = false;
  bool have_folder = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (!options_ended && arg == "--") {
      options_ended = true;
    } else if (!options_ended && (arg == "--day-first" || arg == "--month-first")) {
      const OrderOption asked =
          arg == "--day-first" ? OrderOption::day_first : OrderOption::month_first;
      if (options.date_order != OrderOption::none && options.date_order != asked) {
        return usage_error("--day-first and --month-first exclude each other");
      }
      options.date_order = asked;
    } else if (!options_ended && arg == "--by-day") {
      options.by_day = true;
    } else if (!options_ended && (arg == "-o" || arg == "--output" || arg == "--scans")) {
      if (i + 1 == args.size() || args[i + 1].empty()) {
        return usage_error(std::string(arg) + " needs a file name");
      }
      (arg == "--scans" ? options.scans : options.output) = args[++i];
    } else if (!options_ended && arg.size() > 1 && arg.front() == '-') {
      return usage_error("unknown option '" + std::string(arg) + "'");
    } else if (have_folder) {
      return usage_error("one folder only, not also '" + std::string(arg) + "'");
    } else {
      options.folder = arg;
      have_folder = true;
    }
  }
  return parsed;
}

}  // namespace vortelin::overview
