// Record reading over any bytes, through buffers of many sizes: every record
// equals the one a plain split of the whole input at line feeds gives (cut to
// its field, with the tail of a long record), a line longer than the buffer
// reaches the sink whole and in order, the end-of-file rules of the two
// kinds of handling hold, and a rewind reads the same records again. Besides
// the buffer size the input chooses, it is read through buffers whose reads
// end right after a CR inside a long line, where the CR may or may not belong
// to the line end.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.hpp"
#include "text/in_channel.hpp"
#include "text/record_tail.hpp"

namespace {

using vortelin::Handling;
using vortelin::Outcome;
using vortelin::fuzz::require;

struct Line {
  std::string_view text;  // without its line end
  bool terminated;
};

// The records of `bytes` as a reader must see them: a CR directly before a
// line feed belongs to the line end; a last line without one is kept as it is.
std::vector<Line> split(std::string_view bytes) {
  std::vector<Line> lines;
  while (!bytes.empty()) {
    const std::size_t lf = bytes.find('\n');
    if (lf == std::string_view::npos) {
      lines.push_back({bytes, false});
      break;
    }
    std::string_view text = bytes.substr(0, lf);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    lines.push_back({text, true});
    bytes.remove_prefix(lf + 1);
  }
  return lines;
}

// The pieces a line longer than the buffer reached the sink in, for one read.
struct Pieces {
  std::string joined;
  std::size_t first = 0;  // the first piece's length
  std::size_t count = 0;
};

// A channel whose reads hand long lines to a sink that joins their pieces. Not
// copied: the sink points at its own `pieces`.
struct Reading {
  Reading() = default;
  Reading(const Reading&) = delete;
  Reading& operator=(const Reading&) = delete;

  vortelin::InChannel channel;
  Pieces pieces;
  vortelin::LineSink sink{[](void* context, std::string_view piece) {
                            auto& into = *static_cast<Pieces*>(context);
                            if (into.count++ == 0) into.first = piece.size();
                            into.joined += piece;
                          },
                          &pieces};

  Outcome read(std::size_t limit, Handling handling, vortelin::RawRecord& record) {
    pieces = Pieces{};
    return read_record(channel, limit, handling, record, &sink);
  }
};

void check_record(const vortelin::RawRecord& record, const Pieces& pieces, const Line& line,
                  std::size_t limit) {
  if (record.whole) {
    require(record.line == line.text && pieces.count == 0, "a whole record's line differs",
            line.text);
  } else {
    require(pieces.joined == line.text, "a long line's pieces differ from the line", line.text);
    require(pieces.first >= vortelin::kMaxFieldLength, "a long line's first piece is short",
            line.text);
  }
  require(record.text == line.text.substr(0, limit), "a record's text differs", line.text);
  require(record.cut == (line.text.size() > limit), "a record's cut flag is wrong", line.text);
  require(record.terminated == line.terminated, "a record's line end is wrong", line.text);
  if (!record.cut) return;
  const vortelin::RecordTail want = vortelin::tail_of(line.text);
  require(record.tail.content_end == want.content_end && record.tail.view() == want.view(),
          "a long record's tail differs", line.text);
}

std::string read_condition(vortelin::InChannel& channel, std::size_t limit, Handling handling) {
  vortelin::RawRecord record;
  try {
    read_record(channel, limit, handling, record);
  } catch (const vortelin::FatalCondition& condition) {
    require(condition.message() == vortelin::kEndOfFile, "an end of file with another message");
    require(condition.trace().format == vortelin::kRecordFormat, "a failed read without (a)");
    return condition.context();
  }
  return {};
}

// Reads every record there is with end-of-file handling, checking each, and
// returns how many there were.
std::size_t read_through(Reading& reading, const std::vector<Line>& lines, std::size_t limit) {
  vortelin::RawRecord record;
  std::size_t seen = 0;
  while (reading.read(limit, Handling::end_of_file, record) == Outcome::record) {
    require(seen < lines.size(), "a record past the last line");
    check_record(record, reading.pieces, lines[seen], limit);
    ++seen;
  }
  return seen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const unsigned b0 = vortelin::fuzz::take_byte(input);
  const unsigned b1 = vortelin::fuzz::take_byte(input);
  const unsigned b2 = vortelin::fuzz::take_byte(input);
  // The buffer must exceed the longest field; small ones reach the long-line path.
  std::vector<char> buffer(vortelin::kMaxFieldLength + 1 + ((b0 << 4) | (b1 >> 4)));
  const std::size_t limit = 1 + (((b1 & 15u) << 8) | b2) % vortelin::kMaxFieldLength;
  const bool last_line_counts = (b0 & 1u) != 0;
  const auto handling = (b1 & 2u) != 0 ? Handling::end_of_file : Handling::none;
  const std::vector<Line> lines = split(input);
  const bool last_open = !lines.empty() && !lines.back().terminated && !last_line_counts;
  const std::size_t records = lines.size() - (last_open ? 1 : 0);

  vortelin::IoTrace trace;
  Reading reading;
  vortelin::InChannel& channel = reading.channel;
  attach(channel, 20, "x.csv", vortelin::fuzz::memory_file(input), buffer, last_line_counts, trace);
  vortelin::RawRecord record;
  // First pass, with end-of-file handling: every line that counts, then the end.
  require(read_through(reading, lines, limit) == records, "records were lost");
  require(read_condition(channel, limit, Handling::none) == vortelin::kReadStart,
          "a read after the end did not fail with read start");

  // Second pass, after a rewind, with the chosen handling.
  rewind(channel);
  for (std::size_t seen = 0; seen < records; ++seen) {
    require(reading.read(limit, handling, record) == Outcome::record,
            "a line was not read after the rewind");
    check_record(record, reading.pieces, lines[seen], limit);
  }
  if (last_open) {
    const bool filled = lines.back().text.size() >= limit;
    if (handling == Handling::end_of_file) {
      require(reading.read(limit, handling, record) == Outcome::end_of_file,
              "an open last line was not the end");
    } else if (!filled) {
      require(read_condition(channel, limit, handling) == vortelin::kFmt, "a short open last line");
    } else {
      require(reading.read(limit, handling, record) == Outcome::record,
              "a filled open last line without handling");
      check_record(record, reading.pieces, lines.back(), limit);
    }
  } else if (handling == Handling::end_of_file) {
    require(reading.read(limit, handling, record) == Outcome::end_of_file, "the end was not met");
  } else {
    require(read_condition(channel, limit, handling) == vortelin::kFmt, "the end was not fmt");
  }
  close(channel);

  // Reads that end right after a CR of a long line.
  for (const std::size_t split_size : vortelin::fuzz::sizes_ending_a_read_at_cr(input, 4)) {
    std::vector<char> split_buffer(split_size);
    Reading split_reading;
    attach(split_reading.channel, 20, "x.csv", vortelin::fuzz::memory_file(input), split_buffer,
           last_line_counts, trace);
    require(read_through(split_reading, lines, limit) == records,
            "records were lost with a read ending at a CR");
    close(split_reading.channel);
  }
  return 0;
}
