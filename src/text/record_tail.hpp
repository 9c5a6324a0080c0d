// The end of a record that is longer than its field: the last characters before
// the trailing blanks and NULs, kept without holding the record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vortelin {

struct RecordTail {
  std::uint64_t content_end =
      0;  // 1-based position of the last byte that is neither blank nor NUL; 0 when none
  std::array<char, 8> bytes{};  // the bytes just before and at content_end
  std::size_t length = 0;       // how many of `bytes` are held: min(8, content_end)

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
