// Splitting a file into records (lines) through one reusable buffer filled by
// large reads. Memory stays flat whatever the line length: a line longer than
// the buffer keeps only its first bytes and its tail.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <span>
#include <string_view>

#include "platform/platform.hpp"
#include "text/record_tail.hpp"

namespace vortelin {

// The longest field a record is read into.
inline constexpr std::size_t kMaxFieldLength = 3000;

struct RawRecord {
  std::string_view text;    // the first min(length, limit) bytes; valid until the next read
  std::string_view line;    // the whole line, when `whole`; valid until the next read
  bool whole = true;        // false for a line longer than the buffer (see LineSink)
  bool cut = false;         // the record is longer than the limit
  bool terminated = false;  // ended by a line end; false for a last line without one
  RecordTail tail;          // the record's end, filled when `cut`
};

// Receives a line too long for the reader's buffer, piece by piece and in
// order, as the reader passes over it: such a line is never held whole. The
// first piece holds at least the line's first kMaxFieldLength bytes.
struct LineSink {
  void (*feed)(void* context, std::string_view piece) = nullptr;
  void* context = nullptr;
};

enum class Fetch { record, end, failed };

class RecordReader {
 public:
  // `buffer` must be larger than kMaxFieldLength; the reader borrows it, and
  // reads `fd` through `calls`.
  RecordReader(int fd, std::span<char> buffer, const DescriptorCalls& calls = kSystemCalls)
      : fd_(fd), buffer_(buffer), calls_(&calls) {}

  // The next record, cut to `limit` (<= kMaxFieldLength) bytes. A line feed ends
  // a record and a CR directly before it belongs to the line end. A line longer
  // than the buffer goes to `sink`, when given. `failed` leaves the system's
  // error number in error().
  Fetch next(std::size_t limit, RawRecord& record, const LineSink* sink = nullptr);
  int error() const { return error_; }

  // The common case of next(), inline: the next record when its whole line,
  // line end included, is already buffered. False, with nothing consumed,
  // otherwise; next() then does the reading.
  bool next_buffered(std::size_t limit, RawRecord& record) {
    const char* const from = buffer_.data() + begin_;
    const void* const lf = std::memchr(from, '\n', end_ - begin_);
    if (lf == nullptr) return false;
    const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - from);
    begin_ += length + 1;
    take({from, length}, true, limit, record);
    return true;
  }

  // True while the buffer still holds the input from its first byte, so a
  // rewind can replay it without reading again.
  bool holds_start() const { return holds_start_; }
  void replay_from_start() { begin_ = 0; }
  // Forgets everything buffered, after the file was repositioned.
  void reset();

  // The bytes read from the file but not yet returned in a record.
  std::size_t buffered() const { return end_ - begin_; }
  // From now on every read takes one byte, so the file is read no further than
  // the line end of the record returned: what follows stays for whoever reads
  // an input that cannot be repositioned (a pipe, a terminal) next.
  void read_bytewise() { bytewise_ = true; }

 private:
  Fetch fill();
  Fetch finish_long_line(std::size_t limit, RawRecord& record, const LineSink* sink);
  static void take(std::string_view line, bool terminated, std::size_t limit, RawRecord& record) {
    if (terminated && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    record.line = line;
    record.whole = true;
    record.cut = line.size() > limit;
    record.terminated = terminated;
    record.text = line.substr(0, limit);
    if (record.cut) record.tail = tail_of(line);
  }

  int fd_;
  std::span<char> buffer_;
  const DescriptorCalls* calls_;
  std::size_t begin_ = 0;  // first unread byte
  std::size_t end_ = 0;    // end of the buffered bytes
  bool input_done_ = false;
  bool holds_start_ = true;
  bool bytewise_ = false;
  int error_ = 0;
  std::array<char, kMaxFieldLength> head_{};  // first bytes of a line longer than the buffer
};

}  // namespace vortelin
