#include "text/fatal.hpp"

#include <utility>

#include "text/line_end.hpp"

namespace vortelin {

FatalCondition::FatalCondition(std::string context, std::string message, std::string state,
                               IoTrace trace)
    : context_(std::move(context)),
      message_(std::move(message)),
      state_(std::move(state)),
      format_(trace.format),
      writing_(trace.writing),
      internal_(trace.internal),
      first_line_(context_ + ": " + message_) {}

std::string unit_state(int unit, std::string_view name) {
  std::string state = "unit " + std::to_string(unit) + " ";
  if (name.empty()) {
    state += "(unnamed)";
  } else {
    state += "named ";
    state += name;
  }
  return state;
}

std::string diagnostic_text(const FatalCondition& condition) {
  std::string text = condition.context() + ": " + condition.message();
  text += kLineEnd;
  text += "apparent state: " + condition.state();
  text += kLineEnd;
  const IoTrace trace = condition.trace();
  if (!trace.format.empty()) {
    text += "last format: ";
    text += trace.format;
    text += kLineEnd;
  }
  text += "lately ";
  text += trace.writing ? "writing" : "reading";
  text += " sequential formatted ";
  text += trace.internal ? "internal" : "external";
  text += " IO";
  text += kLineEnd;
  return text;
}

}  // namespace vortelin
