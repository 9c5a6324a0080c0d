// Writes the two tables of a synthetic campaign, as vortelin writes them, for
// vortelin-overview: the same bytes for the same arguments on every machine.
//
//   generate_campaign SEED DIR DAYS SEGMENTS
//
// DIR/scn_ccnc.dat holds SEGMENTS rows: a CCN counter cycling through five set
// points, from 1 January 2025 for about DAYS days, one file a day and a new
// file after each outage of a few hours (rows after midnight keep their file's
// date, as in real tables). DIR/scn_smps.dat holds two particle-sizer exports a
// day, with a day missing now and then.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>

#include "random.hpp"

namespace {

constexpr std::int64_t kDay = 86400;
// 2025-01-01 00:00:00 in seconds since 1970-01-01.
constexpr std::int64_t kStart = 20089 * kDay;

[[noreturn]] void die(const char* what, const std::string& path) {
  std::fprintf(stderr, "generate_campaign: %s %s\n", what, path.c_str());
  std::exit(1);
}

// "01/14/25" and "10:00:00" of seconds since 1970-01-01 (years 2001 to 2099).
std::string date_text(std::int64_t t) {
  std::int64_t days = t / kDay;
  int year = 1970;
  for (;;) {
    const int length = (year % 4 == 0) ? 366 : 365;
    if (days < length) break;
    days -= length;
    ++year;
  }
  std::array<int, 12> months{31, year % 4 == 0 ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int month = 0;
  while (days >= months[static_cast<std::size_t>(month)])
    days -= months[static_cast<std::size_t>(month++)];
  std::array<char, 48> text{};
  std::snprintf(text.data(), text.size(), "%02d/%02d/%02d", month + 1, static_cast<int>(days) + 1,
                year % 100);
  return text.data();
}

std::string time_text(std::int64_t t) {
  const auto s = static_cast<int>(t % kDay);
  std::array<char, 48> text{};
  std::snprintf(text.data(), text.size(), "%02d:%02d:%02d", s / 3600, s / 60 % 60, s % 60);
  return text.data();
}

std::FILE* create(const std::string& path, const char* header) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) die("cannot create", path);
  std::fprintf(file, " %s\r\n", header);
  return file;
}

void close(std::FILE* file, const std::string& path) {
  if (std::fclose(file) != 0) die("cannot write", path);
}

void write_ccn(Random& random, const std::string& path, std::int64_t days, std::int64_t segments) {
  constexpr std::array<double, 5> kSetPoints{0.1, 0.2, 0.3, 0.5, 0.7};
  constexpr std::array<double, 5> kDeltaT{2.4, 4.5, 5.8, 8.0, 10.5};
  std::FILE* file =
      create(path, R"("File" "StartDate" "StartTime" "EndTime" "SuperSatSet" "DeltaTSet")");
  // Nine tenths of the time running, about one outage in eight days.
  const std::int64_t length = days * kDay * 9 / 10 / segments;
  const std::int64_t outages = days / 8 + 1;
  std::int64_t t = kStart + 10 * std::int64_t{3600};
  std::int64_t file_start = -kDay;
  std::string name;
  std::string date;
  for (std::int64_t k = 0; k < segments; ++k) {
    if (t - file_start >= kDay) {
      file_start = t;
      date = date_text(t);
      name = "ccn_" + date.substr(0, 2) + date.substr(3, 2) + "_" + time_text(t).substr(0, 2) +
             time_text(t).substr(3, 2) + ".csv";
    }
    const std::size_t cycle = static_cast<std::size_t>(k % 5);
    const std::int64_t end = t + length + random.between(-length / 10, length / 10);
    std::fprintf(file, " \"%s\" \"%s \" \"%s\" \"%s\"  %8.3f %8.3f\r\n", name.c_str(), date.c_str(),
                 time_text(t).c_str(), time_text(end).c_str(), kSetPoints[cycle], kDeltaT[cycle]);
    t = end;
    if (random.between(std::int64_t{1}, segments) <= outages) {
      t += random.between(std::int64_t{3} * 3600, std::int64_t{20} * 3600);
      file_start = -kDay;
    }
  }
  close(file, path);
}

void write_smps(Random& random, const std::string& path, std::int64_t days) {
  std::FILE* file =
      create(path, R"("File" "FrstScanDate" "LastScanDate" "FrstScanTime" "LastScanTime" )"
                   R"h("ScansPerSample" "ScanUpTime(s)" "RetraceTime(s)")h");
  for (std::int64_t day = 0; day < days; ++day) {
    if (random.between(1, 10) == 1) continue;
    for (const auto& [from, to, letter] : {std::tuple{6 * 3600, 11 * 3600 + 2700, 'a'},
                                           std::tuple{13 * 3600, 23 * 3600 + 1800, 'b'}}) {
      const std::int64_t first = kStart + day * kDay + from + random.between(0, 1800);
      const std::int64_t last = kStart + day * kDay + to - random.between(0, 1800);
      const std::string date = date_text(first);
      const std::string name =
          "smps_" + date.substr(0, 2) + date.substr(3, 2) + "_" + std::string(1, letter) + ".txt";
      std::fprintf(file, " \"%s\" \"%s \" \"%s\" \"%s\" \"%s\"   1  300.0    4.0\r\n", name.c_str(),
                   date.c_str(), date_text(last).c_str(), time_text(first).c_str(),
                   time_text(last).c_str());
    }
  }
  close(file, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: generate_campaign SEED DIR DAYS SEGMENTS\n");
    return 2;
  }
  Random random{std::strtoull(argv[1], nullptr, 10)};
  const std::string dir = argv[2];
  const std::int64_t days = std::max<std::int64_t>(1, std::strtoll(argv[3], nullptr, 10));
  const std::int64_t segments = std::max<std::int64_t>(1, std::strtoll(argv[4], nullptr, 10));
  write_ccn(random, dir + "/scn_ccnc.dat", days, segments);
  write_smps(random, dir + "/scn_smps.dat", days);
  return 0;
}
