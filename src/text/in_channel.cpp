#include "text/in_channel.hpp"

#include <cstring>
#include <utility>

namespace vortelin {

namespace {

constexpr IoTrace kFailedRead{kRecordFormat, false, false};

}  // namespace

void attach(InChannel& channel, int unit, std::string name, int fd, std::span<char> buffer,
            bool last_line_counts, IoTrace& trace, const DescriptorCalls& calls) {
  channel.unit = unit;
  channel.name = std::move(name);
  channel.fd = fd;
  channel.calls = &calls;
  channel.reader = RecordReader(fd, buffer, calls);
  channel.met_end = false;
  channel.last_line_counts = last_line_counts;
  channel.trace = &trace;
}

bool is_open(const InChannel& channel) {
  return channel.fd >= 0;
}

void fail_at_end(InChannel& channel, std::string_view context) {
  *channel.trace = kFailedRead;
  throw FatalCondition(std::string(context), std::string(kEndOfFile),
                       unit_state(channel.unit, channel.name), kFailedRead);
}

Outcome read_record_refilling(InChannel& channel, std::size_t limit, Handling handling,
                              RawRecord& record, const LineSink* sink) {
  IoTrace& trace = *channel.trace;
  record = RawRecord{};
  if (channel.met_end) {
    trace = kFailedRead;
    if (handling == Handling::end_of_file) return Outcome::end_of_file;
    fail_at_end(channel, kReadStart);
  }
  const Fetch fetched = channel.reader.next(limit, record, sink);
  if (fetched == Fetch::failed) {
    trace = kFailedRead;
    throw FatalCondition(std::string(kRead), std::strerror(channel.reader.error()),
                         unit_state(channel.unit, channel.name), kFailedRead);
  }
  if (fetched == Fetch::end) {
    channel.met_end = true;
    if (handling == Handling::end_of_file) {
      trace = kFailedRead;
      return Outcome::end_of_file;
    }
    fail_at_end(channel, kFmt);
  }
  if (record.terminated || channel.last_line_counts) {
    trace = kCompletedRead;
    return Outcome::record;
  }
  // A last line without a line end: end of file is met while or after filling.
  channel.met_end = true;
  trace = kFailedRead;
  const bool filled = record.text.size() >= limit;
  if (handling == Handling::end_of_file) return Outcome::end_of_file;
  if (!filled) fail_at_end(channel, kFmt);
  trace = kCompletedRead;
  return Outcome::record;
}

Outcome read_shared_record(InChannel& channel, std::size_t limit, Handling handling,
                           RawRecord& record) {
  const DescriptorCalls& calls = *channel.calls;
  const bool movable = calls.reposition(channel.fd, false);
  if (!movable) channel.reader.read_bytewise();
  const Outcome got = read_record(channel, limit, handling, record);
  const std::size_t unread = channel.reader.buffered();
  // The record stays valid: forgetting the buffered bytes does not touch them.
  if (movable && unread > 0 && calls.step_back(channel.fd, unread)) channel.reader.reset();
  return got;
}

void rewind(InChannel& channel) {
  RecordReader& reader = channel.reader;
  const bool replay = reader.holds_start();
  // Replaying the buffer still needs a seekable file, as a real rewind would.
  if (!channel.calls->reposition(channel.fd, !replay)) {
    throw FatalCondition(std::string(kRewind), std::string(kCannotBackspace),
                         unit_state(channel.unit, channel.name), *channel.trace);
  }
  if (replay) {
    reader.replay_from_start();
  } else {
    reader.reset();
  }
  channel.met_end = false;
}

void close(InChannel& channel) {
  if (channel.fd >= 0) channel.calls->close_file(channel.fd);
  channel.fd = -1;
  channel.met_end = false;
}

}  // namespace vortelin
