// The fatal run-time condition: one exception type that carries everything the
// diagnostic on standard error needs. The operation that fails throws it; the
// entry point writes the diagnostic, closes every file and aborts.
#pragma once

#include <array>
#include <exception>
#include <string>
#include <string_view>

namespace vortelin {

// What the last I/O statement left behind; the diagnostic reports it.
struct IoTrace {
  std::string_view format;  // the remembered format; empty when none is remembered
  bool writing = false;     // "writing" or "reading"
  bool internal = false;    // "internal" (value reading) or "external" (a file)
};

// Formats remembered by the statements that leave one behind.
inline constexpr std::string_view kRecordFormat = "(a)";
inline constexpr std::string_view kListFormat = "list io";

// The contexts of the conditions, the first word of the diagnostic.
// Reading a record:
inline constexpr std::string_view kFmt = "fmt";               // end of file while filling a field
inline constexpr std::string_view kReadStart = "read start";  // a read after an end of file
inline constexpr std::string_view kRead = "read";             // the system failed a read
// Reading a value from a record's text:
inline constexpr std::string_view kListIn = "list in";  // the text ended before the items were read
inline constexpr std::string_view kInvalidNumber = "invalid number";
inline constexpr std::string_view kBadRepetition = "bad repetition count";
inline constexpr std::string_view kExponentField = "exponent field";
inline constexpr std::string_view kInvalidInteger = "invalid integer";
// Files:
inline constexpr std::string_view kRewind = "rewind";  // a data file that cannot be repositioned
inline constexpr std::string_view kOpen = "open";      // a table that cannot be created
inline constexpr std::string_view kListOutputStart = "list output start";  // an unwritable table
inline constexpr std::string_view kWrite = "write";      // the system failed a write
inline constexpr std::string_view kEndfile = "endfile";  // a table that cannot be cut to length

// What reading the contents of a data file can end with (a regular file that
// reads without error): end of file on a record read, or a value read that fails.
inline constexpr std::array kContentContexts = {
    kFmt, kReadStart, kListIn, kInvalidNumber, kBadRepetition, kExponentField, kInvalidInteger};

// Message texts of the conditions.
inline constexpr std::string_view kEndOfFile = "end of file";
inline constexpr std::string_view kIncomprehensible = "incomprehensible list input";
inline constexpr std::string_view kUnexpectedCharacter = "read unexpected character";
inline constexpr std::string_view kCannotWrite = "can't write file";
inline constexpr std::string_view kCannotBackspace = "can't backspace file";
inline constexpr std::string_view kTruncationFailed = "truncation failed in endfile";

class FatalCondition : public std::exception {
 public:
  // `state` is what follows "apparent state: ", e.g. "unit 20 named x.csv",
  // "unit 5 (unnamed)" or "internal I/O".
  FatalCondition(std::string context, std::string message, std::string state, IoTrace trace);

  const std::string& context() const { return context_; }
  const std::string& message() const { return message_; }
  const std::string& state() const { return state_; }
  IoTrace trace() const { return {format_, writing_, internal_}; }
  const char* what() const noexcept override { return first_line_.c_str(); }

 private:
  std::string context_;
  std::string message_;
  std::string state_;
  std::string format_;
  bool writing_;
  bool internal_;
  std::string first_line_;
};

// The state text of a channel: "unit N named NAME", or "unit N (unnamed)" when
// `name` is empty (standard input and output).
std::string unit_state(int unit, std::string_view name);

// The state text of value reading.
inline constexpr std::string_view kInternalState = "internal I/O";

// The three or four diagnostic lines, each ending in CR LF.
std::string diagnostic_text(const FatalCondition& condition);

}  // namespace vortelin
