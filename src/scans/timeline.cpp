#include "scans/timeline.hpp"

#include <algorithm>
#include <limits>

namespace vortelin::scans {

void Timeline::hold(const CcnRecord& record, std::int64_t file_from) {
  if (head_ < pending_.size() && comes_before(record, pending_.back())) sorted_ = false;
  pending_.push_back(record);
  const std::int64_t before = std::min(file_from, later_files_from_);
  if (before > released_before_) release(before);
}

void Timeline::finish() {
  release(std::numeric_limits<std::int64_t>::max());
}

// Passes on the records earlier than `before`, in order.
void Timeline::release(std::int64_t before) {
  released_before_ = before;
  const auto from = pending_.begin() + static_cast<std::ptrdiff_t>(head_);
  if (!sorted_) {
    std::stable_sort(from, pending_.end(), comes_before);
    sorted_ = true;
  }
  const std::size_t first = head_;
  while (head_ < pending_.size() && pending_[head_].time < before) ++head_;
  for (std::size_t i = first; i < head_; ++i) join_->add(pending_[i]);
  if (head_ == pending_.size()) {
    pending_.clear();
    head_ = 0;
  } else if (head_ > pending_.size() / 2) {
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(head_));
    head_ = 0;
  }
}

}  // namespace vortelin::scans
