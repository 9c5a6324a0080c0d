// A numbered write channel: whole lines collected in one buffer and written
// with few system calls. Only whole lines are ever committed, so whatever ends
// the run (a fatal condition, a console signal) writes out whole lines only.
#pragma once

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "text/fatal.hpp"

namespace vortelin {

class OutChannel {
 public:
  OutChannel() = default;
  OutChannel(const OutChannel&) = delete;
  OutChannel& operator=(const OutChannel&) = delete;
  ~OutChannel();

  // Connects the channel. A channel that is not `writable` (a file that could
  // only be opened for reading) fails at its first line. `flush_each_line` suits
  // an interactive console.
  void attach(int unit, std::string name, int fd, bool writable, bool flush_each_line,
              IoTrace& trace);
  bool is_open() const { return fd_ >= 0; }
  bool writable() const { return writable_; }
  int unit() const { return unit_; }
  const std::string& name() const { return name_; }
  // What the last I/O statement of the run left behind.
  IoTrace& trace() { return *trace_; }

  // Appends `line` and a CR LF.
  void write_line(std::string_view line);
  // Writes out every committed line; a failed write is fatal ("write").
  void flush();
  // Flushes, cuts a regular file to what was written and closes. Closing a
  // channel that is not open does nothing.
  void close();
  // Flushes and closes while the run is already ending; errors are ignored.
  void close_quietly() noexcept;

  // For the console-signal handler: the descriptor and the committed bytes.
  int fd() const { return fd_; }
  const char* data() const { return buffer_.data(); }
  std::size_t committed() const { return committed_.load(std::memory_order_relaxed); }

 private:
  void write_out();

  int unit_ = 0;
  std::string name_;
  int fd_ = -1;
  bool writable_ = false;
  bool flush_each_line_ = false;
  IoTrace* trace_ = nullptr;
  std::vector<char> buffer_;
  std::atomic<std::size_t> committed_{0};
  unsigned long long written_ = 0;  // bytes written to the file so far
};

// Writes one formatted line, such as a table row; it leaves no format remembered.
void write_formatted(OutChannel& out, std::string_view line);

// Opens a summary table for writing from its start, emptying an existing file.
// A file that exists but cannot be written is connected read-only (it then
// fails at its header line); one that cannot be created is fatal ("open").
void open_table(OutChannel& table, int unit, const std::string& name, IoTrace& trace);

}  // namespace vortelin
