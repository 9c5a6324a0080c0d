#include "text/record_reader.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vortelin {

namespace {

const char* find_line_feed(const char* from, std::size_t count) {
  return static_cast<const char*>(std::memchr(from, '\n', count));
}

}  // namespace

void RecordReader::reset() {
  begin_ = end_ = 0;
  input_done_ = false;
  holds_start_ = true;
}

Fetch RecordReader::fill() {
  if (begin_ > 0) {
    // Keep the partial line, drop what was consumed.
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    holds_start_ = false;
  }
  for (;;) {
    const std::size_t room = bytewise_ ? 1 : buffer_.size() - end_;
    const std::ptrdiff_t got = calls_->read_some(fd_, buffer_.data() + end_, room);
    if (got > 0) {
      end_ += static_cast<std::size_t>(got);
      return Fetch::record;
    }
    if (got == 0) {
      input_done_ = true;
      return Fetch::end;
    }
    if (errno != EINTR) {
      error_ = errno;
      return Fetch::failed;
    }
  }
}

Fetch RecordReader::next(std::size_t limit, RawRecord& record, const LineSink* sink) {
  for (;;) {
    if (next_buffered(limit, record)) return Fetch::record;
    const std::size_t pending = end_ - begin_;
    if (input_done_) {
      if (pending == 0) return Fetch::end;
      take({buffer_.data() + begin_, pending}, false, limit, record);
      begin_ = end_;
      return Fetch::record;
    }
    if (begin_ == 0 && end_ == buffer_.size()) return finish_long_line(limit, record, sink);
    if (fill() == Fetch::failed) return Fetch::failed;
  }
}

// The buffer is full of one line with no end in sight: keep its head, track
// its tail, hand it to `sink`, and skip the rest block by block.
Fetch RecordReader::finish_long_line(std::size_t limit, RawRecord& record, const LineSink* sink) {
  std::copy_n(buffer_.data(), limit, head_.data());
  TailTracker tracker;
  const auto pass_on = [&](std::string_view piece) {
    tracker.feed(piece);
    if (sink != nullptr) sink->feed(sink->context, piece);
  };
  // A CR that ends a read belongs to the line end only when a line feed starts
  // the next one; otherwise it is content, in its place before the next bytes.
  bool held_cr = false;
  const auto feed = [&](std::string_view piece) {
    if (piece.empty()) return;
    if (held_cr) pass_on("\r");
    held_cr = piece.back() == '\r';
    if (held_cr) piece.remove_suffix(1);
    if (!piece.empty()) pass_on(piece);
  };
  feed({buffer_.data(), end_});
  bool terminated = false;
  for (;;) {
    begin_ = end_ = 0;
    holds_start_ = false;
    const Fetch got = fill();
    if (got == Fetch::failed) return got;
    if (got == Fetch::end) break;
    if (const char* lf = find_line_feed(buffer_.data(), end_)) {
      const std::size_t length = static_cast<std::size_t>(lf - buffer_.data());
      feed({buffer_.data(), length});
      begin_ = length + 1;
      terminated = true;
      break;
    }
    feed({buffer_.data(), end_});
  }
  if (held_cr && !terminated) pass_on("\r");  // the input ends: the CR is content
  record.text = {head_.data(), limit};
  record.line = {};
  record.whole = false;
  record.cut = true;
  record.terminated = terminated;
  record.tail = tracker.tail();
  return Fetch::record;
}

}  // namespace vortelin
