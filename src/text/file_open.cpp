#include "text/file_open.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "text/byte_class.hpp"

namespace vortelin {

std::string name_in_field(std::string_view field) {
  field = field.substr(0, field.find('\0'));
  while (!field.empty() && is_blank(field.back())) field.remove_suffix(1);
  return std::string(field);
}

int open_for_reading(const std::string& name) {
  if (name.empty()) return -1;
  const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return -1;
  }
  // Non-blocking was only for the open; reads wait for data as usual.
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  return fd;
}

}  // namespace vortelin
