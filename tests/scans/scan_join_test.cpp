// The streaming join against a plain reference that sorts every record and
// reads each rule as written, on random campaigns: files that overlap, run
// past each other, go back in time, share times; samples that overlap, have
// no end, or lie in gaps.
#include "scans/scan_join.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "scans/timeline.hpp"

namespace vortelin::scans {
namespace {

// The rules read literally, over the whole sorted time line.
std::vector<Window> reference_windows(std::vector<CcnRecord> records,
                                      const std::vector<Sample>& samples) {
  std::stable_sort(records.begin(), records.end(), comes_before);
  std::vector<Window> windows(samples.size());
  for (std::size_t s = 0; s < samples.size(); ++s) {
    const Sample& sample = samples[s];
    Window& window = windows[s];
    // The latest record at or before start.
    std::ptrdiff_t force = -1;
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (records[i].time <= sample.start) force = static_cast<std::ptrdiff_t>(i);
    }
    if (force >= 0 && sample.start - records[static_cast<std::size_t>(force)].time <= kGapSeconds) {
      const auto at = static_cast<std::size_t>(force);
      window.in_force = InForce{records[at].set_point, records[at].delta_t, records[at].file};
      std::size_t first = at;  // back to where the run began
      while (first > 0 && records[first - 1].set_point == records[first].set_point &&
             records[first].time - records[first - 1].time <= kGapSeconds) {
        --first;
      }
      window.since_change = sample.start - records[first].time;
      if (sample.end) {
        bool whole = true;
        std::int64_t previous = records[at].time;
        for (std::size_t i = at + 1; i < records.size() && records[i].time <= *sample.end; ++i) {
          whole = whole && records[i].set_point == records[at].set_point &&
                  records[i].time - previous <= kGapSeconds;
          previous = records[i].time;
        }
        window.whole = whole && *sample.end - previous <= kGapSeconds;
      }
    }
    if (sample.end) {
      std::uint64_t all = 0;
      std::uint64_t stable = 0;
      for (const CcnRecord& record : records) {
        if (record.time < sample.start || record.time > *sample.end) continue;
        ++all;
        if (record.stable) ++stable;
      }
      if (all > 0) window.stable = static_cast<double>(stable) / static_cast<double>(all);
    }
  }
  return windows;
}

struct Campaign {
  std::vector<std::vector<CcnRecord>> files;  // each in its own order
  std::vector<Sample> samples;                // sorted by start
};

Campaign random_campaign(std::mt19937& random) {
  const auto pick = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  Campaign campaign;
  const float set_points[] = {0.2F, 0.4F, 0.6F};
  const int file_count = pick(0, 5);
  for (int f = 0; f < file_count; ++f) {
    std::vector<CcnRecord> file;
    std::int64_t time = pick(0, 600);
    float set_point = set_points[pick(0, 2)];
    const int length = pick(0, 80);
    for (int record = 0; record < length; ++record) {
      const int step = pick(0, 20);
      time += step < 2 ? -pick(0, 30) : step < 16 ? pick(0, 3) : pick(4, 15);
      if (pick(0, 9) == 0) set_point = set_points[pick(0, 2)];
      file.push_back(
          {time, static_cast<std::uint32_t>(f), set_point, set_point * 10, pick(0, 3) != 0});
    }
    campaign.files.push_back(std::move(file));
  }
  const int sample_count = pick(0, 30);
  for (int s = 0; s < sample_count; ++s) {
    Sample sample;
    sample.start = pick(-20, 900);
    if (pick(0, 5) != 0) sample.end = sample.start + pick(0, 60);
    campaign.samples.push_back(sample);
  }
  std::stable_sort(campaign.samples.begin(), campaign.samples.end(),
                   [](const Sample& a, const Sample& b) { return a.start < b.start; });
  return campaign;
}

// The files fed as the program feeds them: in the order of the earliest time
// each holds, each record with the earliest time its file still holds; as
// read first, held when that order does not hold (or always, when asked).
std::vector<Window> streamed_windows(const Campaign& campaign, bool held_only) {
  std::vector<const std::vector<CcnRecord>*> files;
  for (const auto& file : campaign.files) {
    if (!file.empty()) files.push_back(&file);
  }
  const auto earliest = [](const std::vector<CcnRecord>* file) {
    return std::min_element(file->begin(), file->end(), comes_before)->time;
  };
  std::stable_sort(files.begin(), files.end(),
                   [&](auto* a, auto* b) { return earliest(a) < earliest(b); });
  for (const TimelineMode mode : {TimelineMode::as_read, TimelineMode::held}) {
    if (held_only && mode == TimelineMode::as_read) continue;
    ScanJoin join(campaign.samples);
    Timeline timeline(join, mode);
    for (std::size_t k = 0; k < files.size(); ++k) {
      timeline.begin_file(k + 1 < files.size() ? earliest(files[k + 1]) : INT64_MAX);
      const std::vector<CcnRecord>& file = *files[k];
      for (std::size_t i = 0; i < file.size(); ++i) {
        std::int64_t still = file[i].time;
        for (std::size_t j = i; j < file.size(); ++j) still = std::min(still, file[j].time);
        if (!timeline.add(file[i], still)) break;
      }
    }
    if (timeline.overtaken()) continue;
    timeline.finish();
    return join.finish();
  }
  ADD_FAILURE() << "records held back were overtaken";
  return {};
}

TEST(ScanJoin, AgreesWithTheRulesReadLiterally) {
  std::mt19937 random(20260205);
  for (int round = 0; round < 3000; ++round) {
    const Campaign campaign = random_campaign(random);
    std::vector<CcnRecord> all;
    for (const auto& file : campaign.files) all.insert(all.end(), file.begin(), file.end());
    const std::vector<Window> expected = reference_windows(all, campaign.samples);
    for (const bool held_only : {false, true}) {
      const std::vector<Window> got = streamed_windows(campaign, held_only);
      ASSERT_EQ(got.size(), expected.size());
      for (std::size_t s = 0; s < got.size(); ++s) {
        const Window& a = got[s];
        const Window& b = expected[s];
        SCOPED_TRACE("round " + std::to_string(round) + ", sample " + std::to_string(s) +
                     (held_only ? ", held" : ""));
        ASSERT_EQ(a.in_force.has_value(), b.in_force.has_value());
        if (a.in_force) {
          EXPECT_EQ(a.in_force->set_point, b.in_force->set_point);
          EXPECT_EQ(a.in_force->file, b.in_force->file);
          EXPECT_EQ(a.since_change, b.since_change);
        }
        EXPECT_EQ(a.whole, b.whole);
        EXPECT_EQ(a.stable, b.stable);
      }
    }
  }
}

TEST(Timeline, HoldsNoMoreThanTheRecordsThatMayStillBeOvertaken) {
  // A day of records, then the next day: the first day is passed on as soon
  // as no file can hold anything earlier.
  const std::vector<Sample> none;
  ScanJoin join(none);
  Timeline timeline(join, TimelineMode::held);
  timeline.begin_file(86400);
  for (std::int64_t t = 0; t < 1000; ++t) timeline.add({t, 0, 0.2F, 1, true}, 0);
  EXPECT_EQ(timeline.held(), 1000U);
  timeline.begin_file(INT64_MAX);
  timeline.add({86400, 1, 0.2F, 1, true}, 86400);
  EXPECT_EQ(timeline.held(), 1U);
}

}  // namespace
}  // namespace vortelin::scans
