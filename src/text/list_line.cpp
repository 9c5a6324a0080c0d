#include "text/list_line.hpp"

#include "text/fatal.hpp"
#include "text/out_channel.hpp"

namespace vortelin {

namespace {

constexpr std::size_t kLineLimit = 80;

}  // namespace

std::vector<std::string> list_lines(std::initializer_list<std::string_view> items) {
  std::vector<std::string> lines{" "};
  bool holds_item = false;
  for (const std::string_view item : items) {
    if (holds_item && lines.back().size() + item.size() >= kLineLimit) lines.emplace_back(" ");
    lines.back() += item;
    holds_item = true;
  }
  return lines;
}

void write_list(OutChannel& out, std::initializer_list<std::string_view> items) {
  constexpr IoTrace kListWrite{kListFormat, true, false};
  IoTrace& trace = out.trace();
  trace = kListWrite;
  if (!out.writable()) {
    throw FatalCondition(std::string(kListOutputStart), std::string(kCannotWrite),
                         unit_state(out.unit(), out.name()), kListWrite);
  }
  for (const std::string& line : list_lines(items)) out.write_line(line);
}

}  // namespace vortelin
