// The platform functions on a POSIX system.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/platform.hpp"

namespace vortelin {

namespace {

// The handler the console signals call, how deep the holds are nested and the
// signal mask from before the outermost hold.
ConsoleSignalHandler signal_handler = nullptr;
int hold_depth = 0;
sigset_t mask_before_hold;

sigset_t console_signal_set() {
  sigset_t set;
  sigemptyset(&set);
  for (const int number : {SIGINT, SIGTERM, SIGHUP, SIGFPE}) sigaddset(&set, number);
  return set;
}

extern "C" void on_signal(int number) {
  ConsoleSignal which = ConsoleSignal::termination;
  if (number == SIGINT) which = ConsoleSignal::interrupt;
  if (number == SIGFPE) which = ConsoleSignal::floating_point;
  if (signal_handler != nullptr) signal_handler(which);
  ::_exit(1);
}

// Non-blocking is only for the open itself; reads and writes wait as usual.
int open_without_blocking(const std::string& name, int flags) {
  const int fd = ::open(name.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return -1;
  const int now = ::fcntl(fd, F_GETFL);
  if (now >= 0) ::fcntl(fd, F_SETFL, now & ~O_NONBLOCK);
  return fd;
}

}  // namespace

void prepare_standard_streams() {}

bool is_interactive(int fd) {
  return ::isatty(fd) == 1;
}

std::string_view text_line_end() {
  return "\n";
}

int open_existing_file(const std::string& name) {
  const int fd = open_without_blocking(name, O_RDONLY);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

int create_or_empty_file(const std::string& name) {
  return open_without_blocking(name, O_WRONLY | O_CREAT | O_TRUNC);
}

int open_anything_for_reading(const std::string& name) {
  return open_without_blocking(name, O_RDONLY);
}

std::ptrdiff_t read_some(int fd, char* data, std::size_t size) {
  return ::read(fd, data, size);
}

std::ptrdiff_t write_some(int fd, const char* data, std::size_t size) {
  return ::write(fd, data, size);
}

bool reposition(int fd, bool to_start) {
  return ::lseek(fd, 0, to_start ? SEEK_SET : SEEK_CUR) >= 0;
}

bool step_back(int fd, std::uint64_t count) {
  return ::lseek(fd, -static_cast<off_t>(count), SEEK_CUR) >= 0;
}

bool regular_file_size(int fd, std::uint64_t& size) {
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
  size = static_cast<std::uint64_t>(info.st_size);
  return true;
}

bool cut_file(int fd, std::uint64_t length) {
  return ::ftruncate(fd, static_cast<off_t>(length)) == 0;
}

void close_file(int fd) {
  ::close(fd);
}

PathKind path_kind(const std::string& name) {
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0) return PathKind::missing;
  if (S_ISDIR(info.st_mode)) return PathKind::folder;
  return S_ISREG(info.st_mode) ? PathKind::file : PathKind::other;
}

bool list_folder_files(const std::string& folder, std::vector<std::string>& names) {
  DIR* const dir = ::opendir(folder.c_str());
  if (dir == nullptr) return false;
  const std::string prefix = folder.back() == '/' ? folder : folder + '/';
  errno = 0;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != ".." && path_kind(prefix + name) == PathKind::file) {
      names.push_back(name);
    }
    errno = 0;
  }
  const int error = errno;
  ::closedir(dir);
  errno = error;
  return error == 0;
}

bool file_identity(int fd, FileIdentity& identity) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return false;
  identity = {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
  return true;
}

int create_new_file(const std::string& name) {
  return ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

bool replace_file(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool remove_file(const std::string& name) {
  return ::unlink(name.c_str()) == 0;
}

void install_console_handler(ConsoleSignalHandler handler) {
  signal_handler = handler;
  struct sigaction action {};
  action.sa_handler = on_signal;
  action.sa_mask = console_signal_set();
  for (const int number : {SIGINT, SIGTERM, SIGHUP, SIGFPE}) sigaction(number, &action, nullptr);
  ::signal(SIGPIPE, SIG_IGN);
}

void hold_console_signals() noexcept {
  if (hold_depth++ > 0) return;
  const sigset_t set = console_signal_set();
  sigprocmask(SIG_BLOCK, &set, &mask_before_hold);
}

void release_console_signals() noexcept {
  if (--hold_depth > 0) return;
  sigprocmask(SIG_SETMASK, &mask_before_hold, nullptr);
}

void end_process(int status) noexcept {
  ::_exit(status);
}

void end_process_abnormally() noexcept {
  std::abort();
}

}  // namespace vortelin
