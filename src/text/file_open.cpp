#include "text/file_open.hpp"

#include "platform/platform.hpp"
#include "text/byte_class.hpp"

namespace vortelin {

std::string name_in_field(std::string_view field) {
  field = field.substr(0, field.find('\0'));
  while (!field.empty() && is_blank(field.back())) field.remove_suffix(1);
  return std::string(field);
}

int open_for_reading(const std::string& name) {
  if (name.empty()) return -1;
  return open_existing_file(name);
}

}  // namespace vortelin
