#include "text/out_channel.hpp"

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/platform.hpp"
#include "text/console_signals.hpp"
#include "text/line_end.hpp"

namespace vortelin {

namespace {

constexpr std::size_t kBufferSize = std::size_t{64} * 1024;

}  // namespace

OutChannel::~OutChannel() {
  close_quietly();
}

void OutChannel::attach(int unit, std::string name, int fd, OutFile file, bool flush_each_line,
                        IoTrace& trace, const DescriptorCalls& calls) {
  unit_ = unit;
  name_ = std::move(name);
  file_ = file;
  flush_each_line_ = flush_each_line;
  trace_ = &trace;
  calls_ = &calls;
  buffer_.resize(kBufferSize);
  committed_.store(0);
  written_.store(0);
  kept_.store(0);
  fd_ = fd;
  watch_output(this);
}

void OutChannel::write_line(std::string_view line) {
  std::size_t used = committed();
  if (used + line.size() + kLineEnd.size() > buffer_.size()) {
    flush();
    used = 0;
    if (line.size() + kLineEnd.size() > buffer_.size())
      buffer_.resize(line.size() + kLineEnd.size());
  }
  char* at = buffer_.data() + used;
  std::memcpy(at, line.data(), line.size());
  std::memcpy(at + line.size(), kLineEnd.data(), kLineEnd.size());
  // The line becomes visible to the signal handler only once it is whole.
  std::atomic_signal_fence(std::memory_order_release);
  committed_.store(used + line.size() + kLineEnd.size(), std::memory_order_relaxed);
  if (flush_each_line_) flush();
}

void OutChannel::write_out() {
  const ConsoleSignalsHeld held;
  const char* data = buffer_.data();
  std::size_t left = committed();
  while (left > 0) {
    const std::ptrdiff_t put = calls_->write_some(fd_, data, left);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      const int error = put < 0 ? errno : EIO;
      // Keep what did not go out, so nothing is written twice.
      std::memmove(buffer_.data(), data, left);
      committed_.store(left);
      IoTrace trace = *trace_;
      trace.writing = true;
      trace.internal = false;
      throw FatalCondition(std::string(kWrite), std::strerror(error), unit_state(unit_, name_),
                           trace);
    }
    const std::string_view went{data, static_cast<std::size_t>(put)};
    data += put;
    left -= went.size();
    written_.store(written() + went.size());
    // A line cut short by a failing write is not kept.
    if (const std::size_t lf = went.rfind('\n'); lf != std::string_view::npos) {
      kept_.store(written() - (went.size() - lf - 1));
    }
  }
  committed_.store(0);
}

void OutChannel::flush() {
  if (fd_ >= 0 && committed() > 0) write_out();
}

void OutChannel::close() {
  if (fd_ < 0) return;
  flush();
  std::uint64_t size = 0;
  if (owned() && calls_->regular_file_size(fd_, size) && size != written() &&
      !calls_->cut_file(fd_, written())) {
    throw FatalCondition(std::string(kEndfile), std::string(kTruncationFailed),
                         unit_state(unit_, name_), *trace_);
  }
  close_quietly();
}

void OutChannel::close_quietly() noexcept {
  if (fd_ < 0) return;
  try {
    flush();
  } catch (const FatalCondition&) {
    // The run is ending already; what could not be written is lost.
  }
  unwatch_output(this);
  std::uint64_t size = 0;
  if (owned() && calls_->regular_file_size(fd_, size) && size != kept()) {
    calls_->cut_file(fd_, kept());
  }
  if (file_ != OutFile::console) calls_->close_file(fd_);
  fd_ = -1;
}

void write_formatted(OutChannel& out, std::string_view line) {
  out.trace() = IoTrace{{}, true, false};
  out.write_line(line);
}

void open_table(OutChannel& table, int unit, const std::string& name, IoTrace& trace) {
  const int fd = create_or_empty_file(name);
  if (fd >= 0) {
    table.attach(unit, name, fd, OutFile::table, false, trace);
    return;
  }
  const int error = errno;
  // A file that exists but cannot be written (read-only, a folder) is still
  // connected, for reading; its first line then fails.
  const int read_fd = open_anything_for_reading(name);
  if (read_fd >= 0) {
    table.attach(unit, name, read_fd, OutFile::unwritable_table, false, trace);
    return;
  }
  throw FatalCondition(std::string(kOpen), std::strerror(error), unit_state(unit, name), trace);
}

}  // namespace vortelin
