// Record splitting: a file in the page cache read record by record through
// the program's 256 KiB buffer, for short CCN records and for SMPS lines far
// longer than the 3000-character field.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "text/in_channel.hpp"
#include "text/record_reader.hpp"

namespace {

// A temporary file holding `contents`, removed at exit.
class TempFile {
 public:
  explicit TempFile(const std::string& contents) {
    char pattern[] = "/tmp/vortelin-bench-XXXXXX";
    fd_ = ::mkstemp(pattern);
    path_ = pattern;
    std::size_t done = 0;
    while (fd_ >= 0 && done < contents.size()) {
      const ssize_t put = ::write(fd_, contents.data() + done, contents.size() - done);
      if (put <= 0) std::abort();
      done += static_cast<std::size_t>(put);
    }
  }
  ~TempFile() {
    ::close(fd_);
    ::unlink(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_ = -1;
  std::string path_;
};

std::string ccn_records(std::size_t bytes) {
  std::string out;
  for (unsigned i = 0; out.size() < bytes; ++i) {
    const unsigned s = i % 86400;
    char line[96];
    const int n = std::snprintf(line, sizeof line,
                                "%02u:%02u:%02u,0.20,1,4.00,0.494,%u,20.64,34.94,37.89,1022.4,"
                                "1.041,4.247,0,13.62,9\r\n",
                                s / 3600, s / 60 % 60, s % 60, 10000 + i % 90000);
    out.append(line, static_cast<std::size_t>(n));
  }
  return out;
}

std::string long_lines(std::size_t bytes) {
  std::string out;
  for (unsigned i = 0; out.size() < bytes; ++i) {
    const std::size_t length = 5000 + (i * 7919) % 15001;
    std::string line;
    while (line.size() < length) {
      line += '\t';
      line += std::to_string(100000 + (std::size_t{i} * 31 + line.size()) % 900000);
    }
    out += line;
    out += "\r\n";
  }
  return out;
}

void split(benchmark::State& state, const std::string& contents) {
  const TempFile file(contents);
  std::vector<char> buffer(std::size_t{256} * 1024);
  vortelin::IoTrace trace;
  std::int64_t records = 0;
  for ([[maybe_unused]] auto _ : state) {
    if (::lseek(file.fd(), 0, SEEK_SET) != 0) std::abort();
    vortelin::InChannel channel;
    vortelin::attach(channel, 20, "bench", file.fd(), buffer, false, trace);
    vortelin::RawRecord record;
    while (vortelin::read_record(channel, vortelin::kMaxFieldLength,
                                 vortelin::Handling::end_of_file,
                                 record) == vortelin::Outcome::record) {
      benchmark::DoNotOptimize(record.text.data());
      ++records;
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(contents.size()));
  state.SetItemsProcessed(records);
}

void BM_SplitCcnRecords(benchmark::State& state) {
  static const std::string contents = ccn_records(std::size_t{32} << 20);
  split(state, contents);
}
BENCHMARK(BM_SplitCcnRecords)->Unit(benchmark::kMillisecond);

void BM_SplitLongLines(benchmark::State& state) {
  static const std::string contents = long_lines(std::size_t{32} << 20);
  split(state, contents);
}
BENCHMARK(BM_SplitLongLines)->Unit(benchmark::kMillisecond);

}  // namespace
