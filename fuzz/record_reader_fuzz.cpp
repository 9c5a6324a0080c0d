// Record reading over any bytes, through buffers of many sizes: every record
// equals the one a plain split of the whole input at line feeds gives (cut to
// its field, with the tail of a long record), the end-of-file rules of the
// three kinds of handling hold, and a rewind reads the same records again.
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

void check_record(const vortelin::RawRecord& record, const Line& line, std::size_t limit) {
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
  const auto handling = static_cast<Handling>((b1 >> 1) % 3);
  const std::vector<Line> lines = split(input);

  vortelin::IoTrace trace;
  vortelin::InChannel channel;
  attach(channel, 20, "x.csv", vortelin::fuzz::memory_file(input), buffer, last_line_counts, trace);
  vortelin::RawRecord record;
  // First pass, with end-of-file handling: every line that counts, then the end.
  std::size_t seen = 0;
  while (read_record(channel, limit, Handling::end_of_file, record) == Outcome::record) {
    require(seen < lines.size(), "a record past the last line");
    check_record(record, lines[seen], limit);
    ++seen;
  }
  const bool last_open = !lines.empty() && !lines.back().terminated && !last_line_counts;
  const std::size_t records = lines.size() - (last_open ? 1 : 0);
  require(seen == records, "records were lost");
  require(read_condition(channel, limit, Handling::none) == vortelin::kReadStart,
          "a read after the end did not fail with read start");

  // Second pass, after a rewind, with the chosen handling.
  rewind(channel);
  for (seen = 0; seen < records; ++seen) {
    require(read_record(channel, limit, handling, record) == Outcome::record,
            "a line was not read after the rewind");
    check_record(record, lines[seen], limit);
  }
  if (last_open) {
    const bool filled = lines.back().text.size() >= limit;
    if (handling == Handling::end_of_file) {
      require(read_record(channel, limit, handling, record) == Outcome::end_of_file,
              "an open last line was not the end");
    } else if (!filled) {
      require(read_condition(channel, limit, handling) == vortelin::kFmt, "a short open last line");
    } else if (handling == Handling::error_only) {
      require(read_record(channel, limit, handling, record) == Outcome::error,
              "a filled open last line with error handling");
    } else {
      require(read_record(channel, limit, handling, record) == Outcome::record,
              "a filled open last line without handling");
      check_record(record, lines.back(), limit);
    }
  } else if (handling == Handling::end_of_file) {
    require(read_record(channel, limit, handling, record) == Outcome::end_of_file,
            "the end was not met");
  } else {
    require(read_condition(channel, limit, handling) == vortelin::kFmt, "the end was not fmt");
  }
  close(channel);
  return 0;
}
