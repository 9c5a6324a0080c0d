// A numbered read channel: a file read record by record, with the end-of-file
// rules of the two kinds of handling a read can have.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "text/fatal.hpp"
#include "text/record_reader.hpp"

namespace vortelin {

// What a read does at end of file (see read_record).
enum class Handling { end_of_file, none };
enum class Outcome { record, end_of_file };

struct InChannel {
  int unit = 0;
  std::string name;  // empty for standard input
  int fd = -1;
  RecordReader reader{-1, {}};
  bool met_end = false;  // an earlier read met end of file
  // For the answer and the list file a last line without a line end is still a
  // line; a data file's unterminated last line may be a record still being written.
  bool last_line_counts = false;
  IoTrace* trace = nullptr;
  const DescriptorCalls* calls = &kSystemCalls;
};

// Connects `channel` to an open descriptor, read through `calls`; `buffer` is
// the reader's buffer.
void attach(InChannel& channel, int unit, std::string name, int fd, std::span<char> buffer,
            bool last_line_counts, IoTrace& trace, const DescriptorCalls& calls = kSystemCalls);
bool is_open(const InChannel& channel);

// What a completed record read leaves behind: no format remembered.
inline constexpr IoTrace kCompletedRead{{}, false, false};

// read_record whenever the line is not already whole in the buffer.
Outcome read_record_refilling(InChannel& channel, std::size_t limit, Handling handling,
                              RawRecord& record, const LineSink* sink);

// Reads the next record, cut to `limit` bytes. With end-of-file handling any end
// of file gives Outcome::end_of_file. Without, an end of file met before the
// field is filled is the fatal "fmt" condition, an unterminated last line that
// fills the field is used as a record, and a read after an end of file was met
// is the fatal "read start" condition. A failing read is always fatal ("read"
// with the system's error text). With end-of-file handling, an unterminated
// last line is left in `record` (empty when none).
// A line too long to be held whole goes to `sink` (see RecordReader::next).
// The common case, a whole line already buffered, is inline: it runs once per
// record of every file.
inline Outcome read_record(InChannel& channel, std::size_t limit, Handling handling,
                           RawRecord& record, const LineSink* sink = nullptr) {
  if (!channel.met_end && channel.reader.next_buffered(limit, record)) {
    *channel.trace = kCompletedRead;
    return Outcome::record;
  }
  return read_record_refilling(channel, limit, handling, record, sink);
}

// The text of the next record, which must be there: read without handling, cut
// to the longest field. Valid until the next read.
inline std::string_view read_required_text(InChannel& channel, RawRecord& record) {
  read_record(channel, kMaxFieldLength, Handling::none, record);
  return record.text;
}

// read_record for an input shared with the caller, such as standard input:
// the record is the same, and the input is left just after its line end, for
// whoever reads it next. A file is read ahead and then moved back; an input
// that cannot be moved (a pipe, a terminal) is read a byte at a time.
Outcome read_shared_record(InChannel& channel, std::size_t limit, Handling handling,
                           RawRecord& record);

// The fatal end-of-file condition of a read on `channel`, with `context`.
[[noreturn]] void fail_at_end(InChannel& channel, std::string_view context);

// The next read gets the first record again and an earlier end of file is
// forgotten. A file that cannot be repositioned is fatal ("rewind").
void rewind(InChannel& channel);

// Closing a channel that is not open does nothing.
void close(InChannel& channel);

}  // namespace vortelin
