// The join of the samples with the CCN time line: one pass over the records in
// time order, the samples sorted by start. Every answer a sample needs comes
// from what the pass holds as it reaches the sample's start and end (the last
// record, its run, the running counts), so the pass keeps a few numbers per
// sample and nothing per record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "scans/ccn_record.hpp"
#include "scans/dated_samples.hpp"

namespace vortelin::scans {

// The CCN record in force at a sample's start: the latest at or before the
// start, when it is at most kGapSeconds before it.
struct InForce {
  float set_point = 0;
  float delta_t = 0;
  std::uint32_t file = 0;
};

// What the counter did during one sample.
struct Window {
  std::optional<InForce> in_force;
  std::int64_t since_change = 0;  // start minus the start of that record's run
  std::optional<bool> whole;      // with a record in force and an end
  std::optional<double> stable;   // with an end and records in [start, end]
};

class ScanJoin {
 public:
  // `samples` sorted by start; they must outlive the join.
  explicit ScanJoin(const std::vector<Sample>& samples);
  // The next record, in time order.
  void add(const CcnRecord& record) {
    reach(record.time);
    // A run of one set point ends at another set point or at a gap. Field by
    // field: a whole-record copy here stalls on its own stores.
    if (!any_ || last_.set_point != record.set_point || record.time - last_.time > kGapSeconds) {
      last_.run = any_ ? last_.run + 1 : 0;
      last_.run_start = record.time;
      last_.set_point = record.set_point;
      any_ = true;
    }
    last_.time = record.time;
    last_.delta_t = record.delta_t;
    last_.file = record.file;
    ++counts_.records;
    counts_.stable += record.stable ? 1 : 0;
  }

  // The windows, in the order of the samples.
  std::vector<Window> finish();

 private:
  // Where the pass stands when it has every record before time `now`.
  struct Counts {
    std::uint64_t records = 0;
    std::uint64_t stable = 0;
  };
  // The last record added, and its run of one set point.
  struct Last {
    std::int64_t time = 0;
    float set_point = 0;
    float delta_t = 0;
    std::uint32_t file = 0;
    std::uint64_t run = 0;       // which run it is in
    std::int64_t run_start = 0;  // when that run began
  };
  struct Open {
    Counts before;          // the counts when the sample's start was reached
    std::uint64_t run = 0;  // the run of the record in force
  };

  // Before a record at `now` is counted: the samples whose start or end it
  // passes take what they need.
  void reach(std::int64_t now) {
    if (now >= next_event_) reach_events(now);
  }
  void reach_events(std::int64_t now);

  const std::vector<Sample>* samples_;
  std::vector<std::size_t> by_end_;  // the samples with an end, by end
  std::vector<Window> windows_;
  std::vector<Open> open_;
  std::size_t started_ = 0;  // samples whose start the pass reached
  std::size_t decided_ = 0;  // samples whose record in force is known
  std::size_t ended_ = 0;    // in by_end_: samples whose end the pass passed
  Counts counts_;
  bool any_ = false;  // a record was added: last_ holds it
  Last last_;
  std::int64_t next_event_ = INT64_MIN;  // the earliest time at which reach() has work
};

}  // namespace vortelin::scans
