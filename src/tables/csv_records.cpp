#include "tables/csv_records.hpp"

namespace vortelin {

std::size_t CsvReader::take(std::string_view bytes) {
  std::size_t used = 0;
  while (used < bytes.size() && !complete_) {
    const char c = bytes[used++];
    if (after_cr_) {
      after_cr_ = false;
      if (c == '\n') continue;  // the LF of a CR LF
      lone_cr_ = true;
    }
    if (!started_) {
      started_ = true;
      record_.line = line_;
    }
    if (++record_bytes_ > kMaxCsvRecordBytes && !too_long_) drop_fields();
    switch (state_) {
      case State::field_start:
        if (c == '"') {
          state_ = State::quoted;
          break;
        }
        state_ = State::unquoted;
        [[fallthrough]];
      case State::unquoted:
        // A double quote inside an unquoted field is kept as it is.
        if (c == ',') {
          end_field();
        } else if (c == '\n' || c == '\r') {
          end_line(c);
        } else {
          append(c);
        }
        break;
      case State::quoted:
        if (c == '"') {
          state_ = State::quote_after_quoted;
        } else {
          if (c == '\n') ++line_;
          append(c);
        }
        break;
      case State::quote_after_quoted:
        if (c == '"') {
          append('"');
          state_ = State::quoted;
        } else if (c == ',') {
          end_field();
        } else if (c == '\n' || c == '\r') {
          end_line(c);
        } else {
          fail("text after a closing quote");
          append(c);
          state_ = State::unquoted;
        }
        break;
    }
  }
  return used;
}

void CsvReader::finish() {
  if (after_cr_) {
    after_cr_ = false;
    lone_cr_ = true;
  }
  if (!started_ || complete_) return;
  if (state_ == State::quoted) fail("a quoted field is not closed");
  end_field();
  complete_ = true;
}

void CsvReader::next() {
  record_.fields.clear();
  record_.problem = {};
  field_.clear();
  record_bytes_ = 0;
  started_ = false;
  complete_ = false;
  too_long_ = false;
}

void CsvReader::append(char c) {
  if (!too_long_) field_ += c;
}

void CsvReader::drop_fields() {
  fail("longer than 1 MiB");
  too_long_ = true;
  record_.fields = {};
  field_ = {};
}

void CsvReader::end_field() {
  if (!too_long_) record_.fields.push_back(field_);
  field_.clear();
  state_ = State::field_start;
}

void CsvReader::end_line(char c) {
  end_field();
  ++line_;
  after_cr_ = c == '\r';
  complete_ = true;
}

void CsvReader::fail(std::string_view problem) {
  if (record_.problem.empty()) record_.problem = problem;
}

}  // namespace vortelin
