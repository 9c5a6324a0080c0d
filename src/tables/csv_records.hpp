// CSV records as RFC 4180 writes them, read from bytes that may arrive in any
// pieces: fields separated by commas; a quoted field may hold commas, CR, LF
// and doubled double quotes; a record ends with CR LF or LF. A CR alone also
// ends a record (some editors save lines so), and the reader says it saw one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vortelin {

// A record longer than this is read to its end, but its fields are not kept:
// memory stays bounded whatever a line holds.
inline constexpr std::size_t kMaxCsvRecordBytes = std::size_t{1} << 20;

struct CsvRecord {
  std::vector<std::string> fields;  // a blank line is one empty field
  std::size_t line = 0;             // the line the record starts on, from 1
  std::string_view problem;         // why the record is not well-formed, or empty
};

// The reader's state between pieces of input. Use:
//   while (!bytes.empty()) {
//     bytes.remove_prefix(reader.take(bytes));
//     if (reader.has_record()) { use(reader.record()); reader.next(); }
//   }
// and at the end of the input reader.finish(), then the last record if any.
class CsvReader {
 public:
  // Reads from `bytes` until a record is complete or the bytes run out;
  // returns how many bytes it used.
  std::size_t take(std::string_view bytes);

  // The end of the input: a last record without a line end is complete, and
  // one whose quoted field is still open is not well-formed. Call it when no
  // record is waiting.
  void finish();

  bool has_record() const { return complete_; }
  const CsvRecord& record() const { return record_; }

  // Clears the record for the next one.
  void next();

  // Whether a CR without an LF after it has ended a line.
  bool saw_lone_cr() const { return lone_cr_; }

 private:
  enum class State { field_start, unquoted, quoted, quote_after_quoted };

  void append(char c);
  void drop_fields();
  void end_field();
  void end_line(char c);
  void fail(std::string_view problem);

  State state_ = State::field_start;
  CsvRecord record_;
  std::string field_;
  std::size_t record_bytes_ = 0;
  std::size_t line_ = 1;
  bool started_ = false;   // the record has a byte
  bool complete_ = false;  // the record is waiting for next()
  bool too_long_ = false;
  bool after_cr_ = false;  // the last byte was a CR that ended a record
  bool lone_cr_ = false;
};

}  // namespace vortelin
