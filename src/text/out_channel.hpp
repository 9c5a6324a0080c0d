// A numbered write channel: whole lines collected in one buffer and written
// with few system calls. Only whole lines are ever committed, so whatever ends
// the run (a fatal condition, a console signal) writes out whole lines only.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.hpp"
#include "text/fatal.hpp"

namespace vortelin {

// What a write channel holds, which decides what closing does to it.
enum class OutFile {
  table,             // created by the run: cut to its whole written lines and closed
  unwritable_table,  // could only be opened for reading: fails at its first line
  console,           // the caller's standard output: flushed, never cut, moved or closed
};

class OutChannel {
 public:
  OutChannel() = default;
  OutChannel(const OutChannel&) = delete;
  OutChannel& operator=(const OutChannel&) = delete;
  ~OutChannel();

  // Connects the channel, written through `calls`. `flush_each_line` suits an
  // interactive console.
  void attach(int unit, std::string name, int fd, OutFile file, bool flush_each_line,
              IoTrace& trace, const DescriptorCalls& calls = kSystemCalls);
  bool is_open() const { return fd_ >= 0; }
  bool writable() const { return file_ != OutFile::unwritable_table; }
  // True for a table, which the run owns: its length is the run's to set.
  bool owned() const { return file_ == OutFile::table; }
  int unit() const { return unit_; }
  const std::string& name() const { return name_; }
  // What the last I/O statement of the run left behind.
  IoTrace& trace() { return *trace_; }

  // Appends `line` and a CR LF.
  void write_line(std::string_view line);
  // Writes out every committed line; a failed write is fatal ("write").
  void flush();
  // Flushes and closes; a table that is a regular file is first cut to what
  // was written (something else may have made it longer). Closing a channel
  // that is not open does nothing.
  void close();
  // The same while the run is already ending: what can be written goes out, a
  // table is cut to its whole lines, and errors are ignored.
  void close_quietly() noexcept;

  // For the console-signal handler: the descriptor, the committed bytes and
  // the length of the whole lines already in the file.
  int fd() const { return fd_; }
  const DescriptorCalls& calls() const { return *calls_; }
  const char* data() const { return buffer_.data(); }
  std::size_t committed() const { return committed_.load(std::memory_order_relaxed); }
  std::uint64_t written() const { return written_.load(std::memory_order_relaxed); }
  std::uint64_t kept() const { return kept_.load(std::memory_order_relaxed); }

 private:
  void write_out();

  int unit_ = 0;
  std::string name_;
  int fd_ = -1;
  OutFile file_ = OutFile::console;
  bool flush_each_line_ = false;
  IoTrace* trace_ = nullptr;
  const DescriptorCalls* calls_ = &kSystemCalls;
  std::vector<char> buffer_;
  std::atomic<std::size_t> committed_{0};
  std::atomic<std::uint64_t> written_{0};  // bytes written to the file so far
  std::atomic<std::uint64_t> kept_{0};     // of these, the bytes up to the last line end
};

// Writes one formatted line, such as a table row; it leaves no format remembered.
void write_formatted(OutChannel& out, std::string_view line);

// Opens a summary table for writing from its start, emptying an existing file.
// A file that exists but cannot be written is connected read-only (it then
// fails at its header line); one that cannot be created is fatal ("open").
void open_table(OutChannel& table, int unit, const std::string& name, IoTrace& trace);

}  // namespace vortelin
