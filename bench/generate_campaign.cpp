// Writes the tables of a synthetic campaign, as vortelin and vortelin-scans
// write them, for vortelin-overview: the same bytes for the same arguments on
// every machine.
//
//   generate_campaign SEED DIR DAYS SEGMENTS [SAMPLES_A_DAY]
//
// DIR/scn_ccnc.dat holds SEGMENTS rows: a CCN counter cycling through five set
// points, from 1 January 2025 for about DAYS days, one file a day and a new
// file after each outage of a few hours (rows after midnight keep their file's
// date, as in real tables). DIR/scn_smps.dat holds one particle-sizer export a
// day, and DIR/scn_scans.csv its SAMPLES_A_DAY samples (default 640, one
// every 135 s; 0 writes no scans table), each with the set point in force at
// its start, whether it ran whole at it, and the counter's stable fraction.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "random.hpp"

namespace {

constexpr std::int64_t kDay = 86400;
// 2025-01-01 00:00:00 in seconds since 1970-01-01.
constexpr std::int64_t kStart = 20089 * kDay;
constexpr std::array<double, 5> kSetPoints{0.1, 0.2, 0.3, 0.5, 0.7};
constexpr std::array<double, 5> kDeltaT{2.4, 4.5, 5.8, 8.0, 10.5};
constexpr std::int64_t kSampleScan = 120;
constexpr std::int64_t kSampleRetrace = 15;

struct Segment {
  std::int64_t start;
  std::int64_t end;
  std::size_t set_point;  // index into kSetPoints
  std::string file;
};

[[noreturn]] void die(const char* what, const std::string& path) {
  std::fprintf(stderr, "generate_campaign: %s %s\n", what, path.c_str());
  std::exit(1);
}

std::chrono::year_month_day date_of(std::int64_t t) {
  return std::chrono::year_month_day{
      std::chrono::floor<std::chrono::days>(std::chrono::sys_seconds{std::chrono::seconds{t}})};
}

// "01/14/25" of seconds since 1970-01-01 (years 2000 to 2099).
std::string date_text(std::int64_t t) {
  const auto date = date_of(t);
  std::array<char, 48> text{};
  std::snprintf(text.data(), text.size(), "%02u/%02u/%02d", static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()), static_cast<int>(date.year()) % 100);
  return text.data();
}

std::string time_text(std::int64_t t) {
  const auto s = static_cast<int>(t % kDay);
  std::array<char, 48> text{};
  std::snprintf(text.data(), text.size(), "%02d:%02d:%02d", s / 3600, s / 60 % 60, s % 60);
  return text.data();
}

// "2025-01-14T10:00:00".
std::string iso_text(std::int64_t t) {
  const auto date = date_of(t);
  std::array<char, 48> text{};
  std::snprintf(text.data(), text.size(), "%04d-%02u-%02uT", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text.data() + time_text(t);
}

std::FILE* create(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) die("cannot create", path);
  return file;
}

void close(std::FILE* file, const std::string& path) {
  if (std::fclose(file) != 0) die("cannot write", path);
}

std::vector<Segment> make_segments(Random& random, std::int64_t days, std::int64_t segments) {
  // Nine tenths of the time running, about one outage in eight days.
  const std::int64_t length = days * kDay * 9 / 10 / segments;
  const std::int64_t outages = days / 8 + 1;
  std::vector<Segment> made;
  std::int64_t t = kStart + 10 * std::int64_t{3600};
  std::int64_t file_start = -kDay;
  std::string name;
  for (std::int64_t k = 0; k < segments; ++k) {
    if (t - file_start >= kDay) {
      file_start = t;
      const std::string date = date_text(t);
      name = "ccn_" + date.substr(0, 2) + date.substr(3, 2) + "_" + time_text(t).substr(0, 2) +
             time_text(t).substr(3, 2) + ".csv";
    }
    const std::int64_t end = t + length + random.between(-length / 10, length / 10);
    made.push_back({t, end, static_cast<std::size_t>(k % 5), name});
    t = end;
    if (random.between(std::int64_t{1}, segments) <= outages) {
      t += random.between(std::int64_t{3} * 3600, std::int64_t{20} * 3600);
      file_start = -kDay;
    }
  }
  return made;
}

void write_ccn(const std::vector<Segment>& segments, const std::string& path) {
  std::FILE* file = create(path);
  std::fprintf(file,
               " \"File\" \"StartDate\" \"StartTime\" \"EndTime\" \"SuperSatSet\" "
               "\"DeltaTSet\"\r\n");
  std::string date;
  std::string file_name;
  for (const Segment& segment : segments) {
    // A row keeps the date of its file's first record.
    if (segment.file != file_name) {
      file_name = segment.file;
      date = date_text(segment.start);
    }
    std::fprintf(file, " \"%s\" \"%s \" \"%s\" \"%s\"  %8.3f %8.3f\r\n", segment.file.c_str(),
                 date.c_str(), time_text(segment.start).c_str(), time_text(segment.end).c_str(),
                 kSetPoints[segment.set_point], kDeltaT[segment.set_point]);
  }
  close(file, path);
}

std::string export_name(std::int64_t day) {
  const std::string date = date_text(kStart + day * kDay);
  return "smps_" + date.substr(0, 2) + date.substr(3, 2) + ".txt";
}

void write_smps(const std::string& path, std::int64_t days, std::int64_t samples) {
  std::FILE* file = create(path);
  std::fprintf(file,
               " \"File\" \"FrstScanDate\" \"LastScanDate\" \"FrstScanTime\" "
               "\"LastScanTime\" \"ScansPerSample\" \"ScanUpTime(s)\" \"RetraceTime(s)\"\r\n");
  const std::int64_t every = kDay / std::max<std::int64_t>(samples, 1);
  for (std::int64_t day = 0; day < days; ++day) {
    const std::int64_t first = kStart + day * kDay;
    const std::int64_t last = first + (std::max<std::int64_t>(samples, 1) - 1) * every;
    std::fprintf(file, " \"%s\" \"%s \" \"%s\" \"%s\" \"%s\"   1 %6.1f %6.1f\r\n",
                 export_name(day).c_str(), date_text(first).c_str(), date_text(last).c_str(),
                 time_text(first).c_str(), time_text(last).c_str(),
                 static_cast<double>(kSampleScan), static_cast<double>(kSampleRetrace));
  }
  close(file, path);
}

// The samples of each day, joined with the segments as vortelin-scans joins
// them: the segment in force at a sample's start gives its set point; it ran
// whole when that set point lasts to its end.
void write_scans(Random& random, const std::vector<Segment>& segments, const std::string& path,
                 std::int64_t days, std::int64_t samples) {
  std::FILE* file = create(path);
  std::fprintf(file,
               "export,sample,start,end,duration_s,set_point,delta_t,whole,since_change_s,"
               "stable,ccn_file\r\n");
  const std::int64_t every = kDay / samples;
  const std::int64_t duration = kSampleScan + kSampleRetrace;
  std::size_t at = 0;  // the first segment that may be in force
  for (std::int64_t day = 0; day < days; ++day) {
    const std::string name = export_name(day);
    for (std::int64_t k = 0; k < samples; ++k) {
      const std::int64_t start = kStart + day * kDay + k * every;
      const std::int64_t end = start + duration;
      while (at < segments.size() && segments[at].end <= start) ++at;
      std::fprintf(file, "%s,%lld,%s,%s,%lld,", name.c_str(), static_cast<long long>(k) + 1,
                   iso_text(start).c_str(), iso_text(end).c_str(),
                   static_cast<long long>(duration));
      if (at == segments.size() || segments[at].start > start) {
        std::fprintf(file, ",,,,,\r\n");
        continue;
      }
      const Segment& in_force = segments[at];
      std::size_t run = at;  // the segment its set point's run began with
      while (run > 0 && segments[run - 1].set_point == in_force.set_point &&
             segments[run - 1].end == segments[run].start) {
        --run;
      }
      std::size_t last = at;  // the segment in force at the end
      while (last + 1 < segments.size() && segments[last + 1].start < end &&
             segments[last + 1].set_point == in_force.set_point) {
        ++last;
      }
      const bool whole = segments[last].end >= end;
      const int stable = whole ? (random.between(1, 10) == 1 ? 667 : 1000) : 500;
      std::fprintf(file, "%g,%g,%s,%lld,%d.%03d,%s\r\n", kSetPoints[in_force.set_point],
                   kDeltaT[in_force.set_point], whole ? "yes" : "no",
                   static_cast<long long>(start - segments[run].start), stable / 1000,
                   stable % 1000, in_force.file.c_str());
    }
  }
  close(file, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5 && argc != 6) {
    std::fprintf(stderr, "usage: generate_campaign SEED DIR DAYS SEGMENTS [SAMPLES_A_DAY]\n");
    return 2;
  }
  Random random{std::strtoull(argv[1], nullptr, 10)};
  const std::string dir = argv[2];
  const std::int64_t days = std::max<std::int64_t>(1, std::strtoll(argv[3], nullptr, 10));
  const std::int64_t segments = std::max<std::int64_t>(1, std::strtoll(argv[4], nullptr, 10));
  const std::int64_t samples =
      argc == 6 ? std::clamp<std::int64_t>(std::strtoll(argv[5], nullptr, 10), 0, kDay) : 640;
  const std::vector<Segment> made = make_segments(random, days, segments);
  write_ccn(made, dir + "/scn_ccnc.dat");
  write_smps(dir + "/scn_smps.dat", days, samples);
  if (samples > 0) write_scans(random, made, dir + "/scn_scans.csv", days, samples);
  return 0;
}
