// All CCN files merged into one time line, sorted by time, in memory that
// follows the records of a day, not of the whole campaign. Files are read one
// after the other, in the order of the earliest time each can hold; a record
// is passed on once no record still to come can be earlier.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "scans/ccn_record.hpp"

namespace vortelin::scans {

class ScanJoin;

class Timeline {
 public:
  explicit Timeline(ScanJoin& join) : join_(&join) {}

  // Before the records of the next file: the earliest time any file after it
  // can hold.
  void begin_file(std::int64_t later_files_from);
  // A record of the current file, which holds nothing earlier than
  // `file_from` from here on.
  void add(const CcnRecord& record, std::int64_t file_from);
  // Passes on every record held.
  void finish();

  std::size_t held() const { return pending_.size() - head_; }

 private:
  void release(std::int64_t before);

  ScanJoin* join_;
  std::vector<CcnRecord> pending_;  // from head_ on: not yet passed on
  std::size_t head_ = 0;
  bool sorted_ = true;
  std::int64_t later_files_from_ = 0;
  std::int64_t released_before_ = INT64_MIN;
};

}  // namespace vortelin::scans
