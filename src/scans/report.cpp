#include "scans/report.hpp"

#include "text/error_stream.hpp"

namespace vortelin::scans {

void Report::note(std::string_view line) const {
  std::string text = "vortelin-scans: ";
  text += line;
  text += '\n';
  write_to_error_stream(text);
}

void Report::failure(std::string_view line) {
  failed = true;
  note(line);
}

std::string counted(std::size_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace vortelin::scans
