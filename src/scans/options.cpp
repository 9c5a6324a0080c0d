#include "scans/options.hpp"

#include <charconv>
#include <optional>

namespace vortelin::scans {

namespace {

// Whole seconds: an optional sign, then decimal digits, nothing else.
std::optional<std::int64_t> read_offset(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty() || text.size() > 12) return std::nullopt;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value > kMaxOffset) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

Arguments usage_error(std::string error) {
  Arguments wrong;
  wrong.request = Request::usage_error;
  wrong.error = std::move(error);
  return wrong;
}

}  // namespace

Arguments parse_arguments(std::span<const std::string_view> args) {
  Arguments parsed;
  bool help = false;
  bool version = false;
  bool day_first = false;
  bool month_first = false;
  bool options_ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (options_ended || arg == "-" || !arg.starts_with('-')) {
      parsed.options.paths.emplace_back(arg);
      continue;
    }
    // An option's value: after '=' (or glued to -o), else the next argument.
    const auto value_of = [&](std::string_view glued,
                              bool has_glued) -> std::optional<std::string_view> {
      if (has_glued) return glued;
      if (i + 1 < args.size()) return args[++i];
      return std::nullopt;
    };
    if (arg == "--") {
      options_ended = true;
    } else if (arg == "-h" || arg == "--help") {
      help = true;
    } else if (arg == "-V" || arg == "--version") {
      version = true;
    } else if (arg == "--day-first") {
      day_first = true;
    } else if (arg == "--month-first") {
      month_first = true;
    } else if (arg.starts_with("-o")) {
      const auto value = value_of(arg.substr(2), arg.size() > 2);
      if (!value || value->empty()) return usage_error("-o needs a file name");
      parsed.options.output = std::string(*value);
    } else if (arg == "--ccn-offset" || arg.starts_with("--ccn-offset=")) {
      const bool glued = arg.size() > 12;
      const auto value = value_of(arg.substr(glued ? 13 : 12), glued);
      if (!value || value->empty()) return usage_error("--ccn-offset needs a number of seconds");
      const auto offset = read_offset(*value);
      if (!offset) {
        return usage_error(
            "--ccn-offset takes whole seconds (at most 3155760000 either way), not '" +
            std::string(*value) + "'");
      }
      parsed.options.ccn_offset = *offset;
    } else {
      return usage_error("unknown option '" + std::string(arg) + "'");
    }
  }
  if (day_first && month_first)
    return usage_error("--day-first and --month-first exclude each other");
  if (day_first) parsed.options.order = calendar::OrderOption::day_first;
  if (month_first) parsed.options.order = calendar::OrderOption::month_first;
  if (help) {
    parsed.request = Request::help;
  } else if (version) {
    parsed.request = Request::version;
  }
  return parsed;
}

}  // namespace vortelin::scans
