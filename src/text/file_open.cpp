#include "text/file_open.hpp"

#include <algorithm>

#include "platform/platform.hpp"
#include "text/byte_class.hpp"

namespace vortelin {

std::string name_in_field(std::string_view field) {
  while (!field.empty() && is_blank(field.back())) field.remove_suffix(1);
  return std::string(field.substr(0, field.find('\0')));
}

int open_for_reading(const std::string& name) {
  if (std::all_of(name.begin(), name.end(), is_blank)) return -1;
  return open_existing_file(name);
}

}  // namespace vortelin
