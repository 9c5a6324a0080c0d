#include "text/record_tail.hpp"

#include <algorithm>

#include "text/trimmed_length.hpp"

namespace vortelin {

RecordTail tail_of(std::string_view record) {
  RecordTail tail;
  const std::size_t end = content_end(record);
  tail.content_end = end;
  tail.length = std::min<std::size_t>(8, end);
  std::copy_n(record.data() + (end - tail.length), tail.length, tail.bytes.data());
  return tail;
}

void TailTracker::feed(std::string_view piece) {
  const std::size_t end = content_end(piece);
  if (end > 0) {
    // The 8 bytes ending at piece[end - 1] come partly from earlier pieces.
    const std::size_t from_piece = std::min<std::size_t>(8, end);
    const std::size_t from_last =
        std::min<std::size_t>(8 - from_piece, std::min<std::uint64_t>(fed_, 8));
    std::copy_n(last_.end() - static_cast<std::ptrdiff_t>(from_last), from_last,
                tail_.bytes.data());
    std::copy_n(piece.data() + (end - from_piece), from_piece, tail_.bytes.data() + from_last);
    tail_.length = from_last + from_piece;
    tail_.content_end = fed_ + end;
  }
  if (piece.size() >= 8) {
    std::copy_n(piece.end() - 8, 8, last_.begin());
  } else {
    std::copy(last_.begin() + static_cast<std::ptrdiff_t>(piece.size()), last_.end(),
              last_.begin());
    std::copy(piece.begin(), piece.end(), last_.end() - static_cast<std::ptrdiff_t>(piece.size()));
  }
  fed_ += piece.size();
}

}  // namespace vortelin
