// All CCN files merged into one time line, sorted by time. Files are read one
// after the other, in the order of the earliest time each can hold, so their
// records mostly come in time order already: they are then passed on to the
// join as they come. Where files overlap or one goes back in time, the run
// reads them again with records held back until no record still to come can
// be earlier, in memory that follows the records of a day, not of the campaign.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "scans/ccn_record.hpp"
#include "scans/scan_join.hpp"

namespace vortelin::scans {

enum class TimelineMode {
  as_read,  // records passed on as they come; the first that comes out of order stops it
  held,     // records held back until none can come before them
};

class Timeline {
 public:
  Timeline(ScanJoin& join, TimelineMode mode) : join_(&join), mode_(mode) {}

  // Before the records of the next file: the earliest time any file after it
  // can hold.
  void begin_file(std::int64_t later_files_from) { later_files_from_ = later_files_from; }

  // A record of the current file, which holds nothing earlier than
  // `file_from` from here on. False once a record came out of order as read:
  // nothing more is taken, and the files must be read again, held.
  bool add(const CcnRecord& record, std::int64_t file_from) {
    if (mode_ == TimelineMode::held) {
      hold(record, file_from);
      return true;
    }
    // Field by field: a whole-record copy here stalls on its own stores.
    if (overtaken_ || record.time < last_time_ ||
        (record.time == last_time_ && record.file < last_file_)) {
      overtaken_ = true;
      return false;
    }
    last_time_ = record.time;
    last_file_ = record.file;
    join_->add(record);
    return true;
  }

  // Passes on every record held.
  void finish();

  bool overtaken() const { return overtaken_; }
  std::size_t held() const { return pending_.size() - head_; }

 private:
  void hold(const CcnRecord& record, std::int64_t file_from);
  void release(std::int64_t before);

  ScanJoin* join_;
  TimelineMode mode_;
  bool overtaken_ = false;
  std::int64_t last_time_ = INT64_MIN;  // of the last record passed on
  std::uint32_t last_file_ = 0;
  std::vector<CcnRecord> pending_;  // from head_ on: not yet passed on
  std::size_t head_ = 0;
  bool sorted_ = true;
  std::int64_t later_files_from_ = 0;
  std::int64_t released_before_ = INT64_MIN;
};

}  // namespace vortelin::scans
