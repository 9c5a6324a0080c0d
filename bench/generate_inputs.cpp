// Writes the synthetic inputs of bench/run.sh into a folder, the same bytes for
// the same seed on every machine (our own generator, no library distributions).
//
//   generate_inputs SEED DIR [INPUT...]
//
// writes every input below, or only those named (ccn, smps, rows, wide, newest,
// many, noeol, year):
//
// DIR/ccn/    one CCN data file of 10 million records (about 800 MB), the set
//             point changing every 600 records, and its list file;
// DIR/smps/   one SMPS export of about 200 MB whose lines hold 5,000 to 20,000
//             characters, and its list file;
// DIR/rows/   one SMPS export of about 200 MB with one row per sample, rows of
//             5,000 to 20,000 characters, and its list file;
// DIR/wide/   one SMPS export whose header row is 100 MB long, and its list file;
// DIR/newest/ the same in the newest layout: a "Scan Number" header of 100 MB
//             with diameters as bin titles and no scans-per-sample column, so
//             that no title ends the reading of the header early;
// DIR/many/   10,000 CCN data files of about 10 KB each, and their list file;
// DIR/noeol/  a 1 GB data file without any line end, and its list file;
// DIR/year/   a year of a campaign: 8,760 hourly CCN files of 3,600 records
//             (about 4 GB) cycling through six set points, and 365 daily SMPS
//             exports of 640 samples each, one row per sample; the list file
//             names them all.
// Each folder also gets `answer.txt`, the answer to the program's prompt.
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "random.hpp"

namespace {

// Buffered output to one file; any failure ends the generator.
class Out {
 public:
  explicit Out(const std::string& path) : file_(std::fopen(path.c_str(), "wb")), path_(path) {
    if (file_ == nullptr) die("cannot create");
  }
  ~Out() {
    flush();
    if (std::fclose(file_) != 0) die("cannot close");
  }
  Out(const Out&) = delete;
  Out& operator=(const Out&) = delete;

  void put(const char* text, std::size_t length) {
    if (used_ + length > buffer_.size()) flush();
    for (std::size_t i = 0; i < length; ++i) buffer_[used_ + i] = text[i];
    used_ += length;
  }
  void put(const std::string& text) { put(text.data(), text.size()); }
  template <typename... Args>
  void print(const char* format, Args... args) {
    char line[256];
    const int n = std::snprintf(line, sizeof line, format, args...);
    put(line, static_cast<std::size_t>(n));
  }

 private:
  void flush() {
    if (used_ > 0 && std::fwrite(buffer_.data(), 1, used_, file_) != used_) die("cannot write");
    used_ = 0;
  }
  [[noreturn]] void die(const char* what) const {
    std::fprintf(stderr, "generate_inputs: %s %s\n", what, path_.c_str());
    std::exit(1);
  }

  std::FILE* file_;
  std::string path_;
  std::array<char, std::size_t{1} << 20> buffer_{};
  std::size_t used_ = 0;
};

void make_folder(const std::string& path) {
  if (::mkdir(path.c_str(), 0755) != 0) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
      std::fprintf(stderr, "generate_inputs: cannot create %s\n", path.c_str());
      std::exit(1);
    }
  }
}

void write_answer(const std::string& dir) {
  Out answer(dir + "/answer.txt");
  answer.put("files.lst\r\n", 11);
}

// The folder of an input of one data file: the answer, the list naming the
// file, and the file itself, opened for writing.
Out single_file_input(const std::string& dir, const std::string& name) {
  make_folder(dir);
  write_answer(dir);
  {
    Out list(dir + "/files.lst");
    list.put(name + "\r\n");
  }
  return Out(dir + "/" + name);
}

constexpr double kSetPoints[] = {0.1, 0.2, 0.4, 0.6, 0.8, 1.0};
constexpr std::uint64_t kRecordsPerSetPoint = 600;

void write_ccn_header(Out& out, unsigned serial) {
  out.print("CCN counter data file, serial %04u\r\n", serial);
  out.put("Date: 05/14/05\r\n", 16);
  out.put("Firmware: 3.1.7\r\n", 17);
  out.put("Time interval(s): 1\r\n", 21);
  out.put(
      "Time, SS set, Temp stable, dT set, Sample flow, CCN conc, T1, T2, T3, Pressure, "
      "Supply flow\r\n");
  out.put("Comment: synthetic campaign\r\n", 29);
}

// Record `index` of the campaign: one per second, about 80 characters. The set
// point and its temperature difference follow the campaign's index, so any
// split into files keeps the same segments.
void write_ccn_record(Out& out, std::uint64_t index, Random& random) {
  const double set_point = kSetPoints[(index / kRecordsPerSetPoint) % std::size(kSetPoints)];
  const double delta_t = 2.0 + set_point * 10.0 + (random.between(0, 9) == 0 ? 0.02 : 0.0);
  const auto second = static_cast<unsigned>(index % 86400);
  out.print(
      "%02u:%02u:%02u,%.2f,%u,%.2f,0.%03u,%u,%u.%02u,%u.%02u,%u.%02u,%u.%u,%u.%03u,%u.%03u,%u,1%u.%"
      "02u,%u\r\n",
      second / 3600, second / 60 % 60, second % 60, set_point,
      static_cast<unsigned>(random.between(0, 9) != 0), delta_t, random.between(450, 550),
      random.between(100, 99999), random.between(20, 30), random.between(0, 99),
      random.between(25, 35), random.between(0, 99), random.between(30, 40), random.between(0, 99),
      random.between(950, 1050), random.between(0, 9), random.between(0, 1), random.between(0, 999),
      random.between(4, 5), random.between(0, 999), random.between(0, 3), random.between(0, 9),
      random.between(0, 99), random.between(0, 9));
}

void write_big_ccn(const std::string& dir, Random& random) {
  Out out = single_file_input(dir, "ccn_big.csv");
  write_ccn_header(out, 1);
  for (std::uint64_t i = 0; i < 10'000'000; ++i) write_ccn_record(out, i, random);
}

void write_many_ccn(const std::string& dir, Random& random) {
  make_folder(dir);
  write_answer(dir);
  Out list(dir + "/files.lst");
  constexpr std::uint64_t kRecordsPerFile = 120;  // with the header, about 10 KB
  for (unsigned f = 0; f < 10'000; ++f) {
    char name[32];
    const int n = std::snprintf(name, sizeof name, "ccn_%05u.csv", f);
    list.put(name, static_cast<std::size_t>(n));
    list.put("\r\n", 2);
    Out out(dir + "/" + name);
    write_ccn_header(out, f);
    for (std::uint64_t i = 0; i < kRecordsPerFile; ++i) {
      write_ccn_record(out, f * kRecordsPerFile + i, random);
    }
  }
}

// Tab-separated counts after the `used` characters of a line, up to within 8
// characters of `length`; returns the characters used then.
unsigned put_counts(Out& out, unsigned used, unsigned length, Random& random) {
  while (used + 8 < length) {
    char value[16];
    const int m = std::snprintf(value, sizeof value, "\t%u", random.between(0, 999999));
    out.put(value, static_cast<std::size_t>(m));
    used += static_cast<unsigned>(m);
  }
  return used;
}

// A labelled line of `count` tab-separated copies of `value`.
void write_settings_line(Out& out, const char* label, const char* value, unsigned count) {
  out.put(label, std::char_traits<char>::length(label));
  const std::size_t length = std::char_traits<char>::length(value);
  for (unsigned i = 0; i < count; ++i) {
    out.put("\t", 1);
    out.put(value, length);
  }
  out.put("\r\n", 2);
}

// One export of many samples: the settings lines have one value per sample,
// the size-bin lines a counted value per sample and a random number of extra
// columns, so every line is 5,000 to 20,000 characters long.
void write_big_smps(const std::string& dir, Random& random) {
  Out out = single_file_input(dir, "smps_big.txt");
  constexpr unsigned kSamples = 1200;
  out.put("Particle sizer export, text format\r\n");
  out.put("Sample File\tsmps_big.raw\r\n");
  out.put("Classifier\tDMA long column\r\n");
  out.put("Gas Viscosity(kg/m*s)\t1.8203e-005\r\n");
  out.put("Mean Free Path(m)\t6.73e-008\r\n");
  out.put("Sample #");
  for (unsigned i = 1; i <= kSamples; ++i) out.print("\t%u", i);
  out.put("\r\n");
  out.put("Date");
  for (unsigned i = 0; i < kSamples; ++i)
    out.print("\t%02u/%02u/05", 5 + i / 600, 14 + i / 50 % 12);
  out.put("\r\n");
  out.put("Start Time");
  for (unsigned i = 0; i < kSamples; ++i) {
    const unsigned minute = 9 * 60 + 12 + 5 * i;
    out.print("\t%02u:%02u:01", minute / 60 % 24, minute % 60);
  }
  out.put("\r\n");
  write_settings_line(out, "Sample Temp (C)", "21.3", kSamples);
  write_settings_line(out, "Sample Pressure (kPa)", "100.1", kSamples);
  write_settings_line(out, "Scan Up Time(s)", "120", kSamples);
  write_settings_line(out, "Retrace Time(s)", "15", kSamples);
  write_settings_line(out, "Impactor Type(cm)", "0.0508", kSamples);
  write_settings_line(out, "Scans Per Sample", "1", kSamples);
  out.put("Diameter Midpoint");
  for (unsigned i = 0; i < kSamples; ++i) out.put("\tdN/dlogDp", 10);
  out.put("\r\n");
  std::uint64_t written = 0;
  for (unsigned bin = 0; written < 200'000'000; ++bin) {
    const unsigned length = random.between(5'000u, 20'000u);
    char start[32];
    const int n = std::snprintf(start, sizeof start, "%u.%u", 10 + bin / 10, bin % 10);
    out.put(start, static_cast<std::size_t>(n));
    unsigned used = static_cast<unsigned>(n);
    used = put_counts(out, used, length, random);
    while (used < length) {
      out.put("\t", 1);
      ++used;
    }
    out.put("\r\n", 2);
    written += length + 2;
  }
}

// An export with one row per sample: a header row naming the columns (the
// settings after the start time, then the size bins), then rows of 5,000 to
// 20,000 characters, written as current software writes them (unpadded
// dates, 12-hour times).
void write_rows_smps(const std::string& dir, Random& random) {
  Out out = single_file_input(dir, "smps_rows.txt");
  out.put("Particle sizer export, one row per sample\r\n");
  out.put("Classifier\tDMA long column\r\n");
  out.put("Sample #\tDate\tStart Time\tScan Time (s)\tRetrace Time (s)\tScans Per Sample");
  constexpr unsigned kBins = 1800;
  for (unsigned bin = 0; bin < kBins; ++bin) out.print("\t%u.%u", 10 + bin / 10, bin % 10);
  out.put("\tComment\r\n");
  std::uint64_t written = 0;
  for (unsigned sample = 1; written < 200'000'000; ++sample) {
    const unsigned minute = 9 * 60 + 5 * sample;
    const unsigned hour = minute / 60 % 24;
    char start[96];
    const int n =
        std::snprintf(start, sizeof start, "%u\t%u/%u/2025\t%u:%02u:00 %s\t300\t4\t1", sample,
                      2 + sample / 8000, 1 + sample / 300 % 28, hour % 12 == 0 ? 12 : hour % 12,
                      minute % 60, hour < 12 ? "AM" : "PM");
    out.put(start, static_cast<std::size_t>(n));
    const unsigned length = random.between(5'000u, 20'000u);
    unsigned used = static_cast<unsigned>(n);
    used = put_counts(out, used, length, random);
    out.put("\t\r\n");
    written += used + 3;
  }
}

// An export whose header row is 100 MB long (a column per size bin), with a
// few short sample rows under it.
void write_wide_smps(const std::string& dir) {
  Out out = single_file_input(dir, "smps_wide.txt");
  out.put("Classifier\tDMA long column\r\n");
  out.put("Sample #\tDate\tStart Time\tScan Time (s)\tRetrace Time (s)\tScans Per Sample");
  std::uint64_t written = 0;
  for (unsigned bin = 0; written < 100'000'000; ++bin) {
    char title[32];
    const int n = std::snprintf(title, sizeof title, "\tbin %u", bin);
    out.put(title, static_cast<std::size_t>(n));
    written += static_cast<std::uint64_t>(n);
  }
  out.put("\r\n");
  for (unsigned sample = 1; sample <= 3; ++sample) {
    out.print("%u\t2/19/2025\t15:%02u:00\t300\t4\t1\t1.0\t2.0\r\n", sample, 40 + 6 * sample);
  }
}

// The newest layout with a 100 MB header row: byte-order mark, a preamble of
// labelled lines, a header whose size-bin titles are diameters, and a few rows
// with their date and time in one cell.
void write_newest_wide(const std::string& dir) {
  Out out = single_file_input(dir, "smps_newest.csv");
  out.put("\xEF\xBB\xBFSoftware Version,11.5.0\r\nDataset Name,bench\r\nClassifier Model,C-2\r\n");
  for (unsigned line = 4; line <= 40; ++line) out.print("Setting %u,%u\r\n", line, line * 7);
  out.put(
      "Scan Number,DateTime Sample Start,Test Name,DMA V Ramping Up (TUP) (s),"
      "DMA V Ramping Down (TDOWN) (s)");
  std::uint64_t written = 0;
  for (unsigned bin = 0; written < 100'000'000; ++bin) {
    char title[32];
    const int n = std::snprintf(title, sizeof title, ",%u.%02u", 10 + bin / 100, bin % 100);
    out.put(title, static_cast<std::size_t>(n));
    written += static_cast<std::uint64_t>(n);
  }
  out.put("\r\n");
  for (unsigned sample = 1; sample <= 3; ++sample) {
    out.print("%u,05/02/2026 17:%02u:02,,314.0,0.0,1.0,2.0\r\n", sample, 40 + 6 * sample);
  }
}

// Record-like text without a single line end: a data file that is one
// unfinished line.
void write_no_line_end(const std::string& dir, Random& random) {
  Out out = single_file_input(dir, "no_line_end.dat");
  constexpr std::uint64_t kSize = std::uint64_t{1} << 30;
  std::uint64_t written = 0;
  while (written < kSize) {
    char piece[32];
    const int n = std::snprintf(piece, sizeof piece, "%u.%02u,", random.between(0, 9999),
                                random.between(0, 99));
    const auto length = static_cast<std::size_t>(
        std::min<std::uint64_t>(static_cast<std::uint64_t>(n), kSize - written));
    out.put(piece, length);
    written += length;
  }
}

// The year's CCN record at `second` of its day: the set point changes every
// ten minutes, and the counter takes about 40 s to settle after a change.
// About 125 characters, as a counter writing many columns does.
void write_year_record(Out& out, unsigned second, Random& random) {
  const double set_point = kSetPoints[second / 600 % std::size(kSetPoints)];
  const bool settled = second % 600 >= 40 && random.between(0, 199) != 0;
  out.print("%02u:%02u:%02u,%.2f,%u,%.2f,0.%03u,%u,%u.%02u,%u.%02u,%u.%02u,%u.%u,%u.%03u,%u.%03u,",
            second / 3600, second / 60 % 60, second % 60, set_point, settled ? 1U : 0U,
            2.0 + set_point * 10.0, random.between(450, 550), random.between(100, 99999),
            random.between(20, 30), random.between(0, 99), random.between(25, 35),
            random.between(0, 99), random.between(30, 40), random.between(0, 99),
            random.between(950, 1050), random.between(0, 9), random.between(0, 1),
            random.between(0, 999), random.between(4, 5), random.between(0, 999));
  out.print("%u,1%u.%02u,%u,%u.%03u,%u.%03u,%u,%u.%02u,%u\r\n", random.between(0, 3),
            random.between(0, 9), random.between(0, 99), random.between(0, 9), random.between(0, 9),
            random.between(0, 999), random.between(0, 9), random.between(0, 999),
            random.between(0, 99999), random.between(10, 99), random.between(0, 99),
            random.between(0, 1));
}

void write_year(const std::string& dir, Random& random) {
  make_folder(dir);
  write_answer(dir);
  Out list(dir + "/files.lst");
  constexpr unsigned kDays = 365;
  constexpr unsigned kSamplesPerDay = 640;  // 135 s each: a scan up of 120 s, a retrace of 15 s
  constexpr unsigned kBins = 100;
  constexpr unsigned kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  unsigned month = 1;
  unsigned day = 1;
  for (unsigned d = 0; d < kDays; ++d) {
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "2025%02u%02u", month, day);
    char date[16];
    std::snprintf(date, sizeof date, "%02u/%02u/25", month, day);
    for (unsigned hour = 0; hour < 24; ++hour) {
      char name[48];
      const int n = std::snprintf(name, sizeof name, "ccn_%s_%02u.csv", stamp, hour);
      list.put(name, static_cast<std::size_t>(n));
      list.put("\r\n", 2);
      Out out(dir + "/" + name);
      out.print("CCN counter data file, serial %04u\r\n", 42U);
      out.print("Date: %s\r\n", date);
      out.put("Firmware: 3.1.7\r\nTime interval(s): 1\r\n");
      out.put("Time, SS set, Temp stable, dT set, Sample flow, CCN conc, ...\r\n");
      out.put("Comment: synthetic year\r\n");
      for (unsigned second = hour * 3600; second < (hour + 1) * 3600; ++second) {
        write_year_record(out, second, random);
      }
    }
    char name[48];
    const int n = std::snprintf(name, sizeof name, "smps_%s.txt", stamp);
    list.put(name, static_cast<std::size_t>(n));
    list.put("\r\n", 2);
    Out out(dir + "/" + name);
    out.put("Particle sizer export, one row per sample\r\nClassifier\tDMA long column\r\n");
    out.put("Sample #\tDate\tStart Time\tScan Up Time(s)\tRetrace Time(s)\tScans Per Sample");
    for (unsigned bin = 0; bin < kBins; ++bin) out.print("\t%u.%u", 10 + bin * 4, bin % 10);
    out.put("\r\n");
    for (unsigned sample = 0; sample < kSamplesPerDay; ++sample) {
      const unsigned start = sample * 135 + 5;
      out.print("%u\t%s\t%02u:%02u:%02u\t120\t15\t1", sample + 1, date, start / 3600,
                start / 60 % 60, start % 60);
      for (unsigned bin = 0; bin < kBins; ++bin) out.print("\t%u", random.between(0, 9999));
      out.put("\r\n");
    }
    if (++day > kMonthDays[month - 1]) {
      day = 1;
      ++month;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: generate_inputs SEED DIR [INPUT...]\n");
    return 2;
  }
  const std::string dir = argv[2];
  const std::uint64_t seed = std::strtoull(argv[1], nullptr, 10);
  const auto wanted = [&](const char* input) {
    if (argc == 3) return true;
    for (int i = 3; i < argc; ++i) {
      if (std::string(argv[i]) == input) return true;
    }
    return false;
  };
  make_folder(dir);
  // Each input has its own stream, so one can change without moving the others.
  Random ccn{seed * 4 + 0};
  Random many{seed * 4 + 1};
  Random smps{seed * 4 + 2};
  Random noeol{seed * 4 + 3};
  Random rows{seed * 4 + 4};
  Random year{seed * 4 + 5};
  if (wanted("ccn")) write_big_ccn(dir + "/ccn", ccn);
  if (wanted("smps")) write_big_smps(dir + "/smps", smps);
  if (wanted("rows")) write_rows_smps(dir + "/rows", rows);
  if (wanted("wide")) write_wide_smps(dir + "/wide");
  if (wanted("newest")) write_newest_wide(dir + "/newest");
  if (wanted("many")) write_many_ccn(dir + "/many", many);
  if (wanted("noeol")) write_no_line_end(dir + "/noeol", noeol);
  if (wanted("year")) write_year(dir + "/year", year);
  return 0;
}
