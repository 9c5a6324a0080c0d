// The end of a record that is longer than its field: the last characters before
// the trailing blanks and NULs, kept without holding the record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vortelin {

struct RecordTail {
  // The record's length less its trailing blanks and NULs (0 when it holds
  // nothing else): the offset just past its last content byte.
  std::uint64_t content_end = 0;
  std::array<char, 8> bytes{};  // the last `length` bytes before content_end
  std::size_t length = 0;       // min(8, content_end)

  std::string_view view() const { return {bytes.data(), length}; }
};

// The tail of a record held whole in memory.
RecordTail tail_of(std::string_view record);

// Builds the tail of a record fed piece by piece, in order.
class TailTracker {
 public:
  void feed(std::string_view piece);
  const RecordTail& tail() const { return tail_; }

 private:
  std::uint64_t fed_ = 0;
  std::array<char, 8> last_{};  // the last min(8, fed_) bytes fed, at the end of the array
  RecordTail tail_;
};

}  // namespace vortelin
