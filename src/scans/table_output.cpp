#include "scans/table_output.hpp"

#include <cerrno>
#include <cstring>

#include "platform/platform.hpp"
#include "scans/options.hpp"

namespace vortelin::scans {

namespace {

constexpr std::size_t kFlushAt = std::size_t{1} << 20;
constexpr int kTemporaryNames = 100;

bool write_all(int fd, std::string_view text, int& error) {
  while (!text.empty()) {
    const std::ptrdiff_t put = write_some(fd, text.data(), text.size());
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      error = put < 0 ? errno : EIO;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

}  // namespace

TableOutput::~TableOutput() {
  abandon();
}

bool TableOutput::open(const std::string& name, std::string& why) {
  name_ = name;
  if (name == kStandardOutputName) {
    standard_output_ = true;
    fd_ = kStandardOutput;
    return true;
  }
  // A name of its own beside the output, never one that exists.
  for (int attempt = 1; attempt <= kTemporaryNames && fd_ < 0; ++attempt) {
    temporary_ = name + ".part" + std::to_string(attempt);
    fd_ = create_new_file(temporary_);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) {
    why = "cannot create " + temporary_ + ": " + std::strerror(errno);
    temporary_.clear();
    return false;
  }
  return true;
}

void TableOutput::write(std::string_view text) {
  buffer_ += text;
  if (buffer_.size() >= kFlushAt) flush();
}

void TableOutput::flush() {
  if (error_ == 0 && fd_ >= 0) write_all(fd_, buffer_, error_);
  buffer_.clear();
}

bool TableOutput::finish(std::string& why) {
  flush();
  if (standard_output_) {
    fd_ = -1;
    if (error_ == 0) return true;
    why = std::string("cannot write to standard output: ") + std::strerror(error_);
    return false;
  }
  close_file(fd_);
  fd_ = -1;
  if (error_ == 0 && !replace_file(temporary_, name_)) error_ = errno;
  if (error_ != 0) {
    why = "cannot write " + name_ + ": " + std::strerror(error_);
    abandon();
    return false;
  }
  temporary_.clear();
  return true;
}

void TableOutput::abandon() {
  if (fd_ >= 0 && !standard_output_) close_file(fd_);
  fd_ = -1;
  if (!temporary_.empty()) remove_file(temporary_);
  temporary_.clear();
}

}  // namespace vortelin::scans
