// Temporary files and folders for tests, gone when the test is done.
#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace vortelin::test_support {

// A fresh folder, removed with everything in it at the end of its scope.
struct TempDir {
  std::filesystem::path path;

  TempDir() {
    std::string name = (std::filesystem::temp_directory_path() / "vortelin-test-XXXXXX").string();
    if (::mkdtemp(name.data()) != nullptr) path = name;
  }
  ~TempDir() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
};

// A descriptor of a nameless file holding `contents`, read from its start;
// -1 when it cannot be made.
inline int file_holding(std::string_view contents) {
  std::string name = (std::filesystem::temp_directory_path() / "vortelin-test-XXXXXX").string();
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return -1;
  ::unlink(name.c_str());
  if (::write(fd, contents.data(), contents.size()) != static_cast<ssize_t>(contents.size()) ||
      ::lseek(fd, 0, SEEK_SET) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace vortelin::test_support
