// vortelin-scans' readers over any file: an export's samples, and a CCN file's
// records joined with a fixed set of samples. Whatever the bytes, the result
// does not depend on how the file is buffered (reads that end anywhere,
// right after a CR inside a long line too), the join gives the same whether
// records are passed on as read or held back, and every value is in range.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.hpp"
#include "scanners/sample_table.hpp"
#include "scans/ccn_reading.hpp"
#include "scans/export_reading.hpp"
#include "scans/scan_join.hpp"
#include "scans/timeline.hpp"

namespace {

using vortelin::fuzz::require;
using namespace vortelin;
using namespace vortelin::scans;

std::string describe(const ExportReading& reading) {
  std::string text;
  for (const RawSample& sample : reading.samples) {
    require(!sample.number.empty() && sample.number.size() <= kMaxSampleNumber,
            "a sample number of no or too many digits", sample.number);
    text.append(sample.number).append(" ");
    text.append(sample.date ? sample.date->view() : "-").append(" ");
    text.append(sample.time ? sample.time->view() : "-");
    for (const SettingCell& cell : sample.settings) {
      text.append(" ").append(std::to_string(static_cast<int>(cell.state)));
      text.append(":").append(std::to_string(cell.real)).append(":");
      text.append(std::to_string(cell.integer));
    }
    text.append("\n");
  }
  for (const SettingCell& cell : reading.labelled) {
    text.append(std::to_string(static_cast<int>(cell.state))).append(" ");
  }
  return text;
}

std::string read_samples(std::string_view bytes, std::size_t buffer_size) {
  std::vector<char> buffer(buffer_size);
  IoTrace trace;
  InChannel channel;
  attach(channel, 0, "f.txt", fuzz::memory_file(bytes), buffer, true, trace);
  std::string described = describe(read_export(channel));
  close(channel);
  return described;
}

// Samples over the first two days, some overlapping, one without an end.
std::vector<Sample> fixed_samples() {
  std::vector<Sample> samples;
  for (std::int64_t start = -30; start < std::int64_t{2} * 86400; start += 3607) {
    Sample sample;
    sample.start = start;
    if (start % 2 != 0) sample.end = start + 300 + start % 7;
    samples.push_back(sample);
  }
  return samples;
}

std::string join_records(std::string_view bytes, std::size_t buffer_size, TimelineMode mode,
                         bool& overtaken) {
  std::vector<char> buffer(buffer_size);
  IoTrace trace;
  InChannel channel;
  attach(channel, 0, "c.csv", fuzz::memory_file(bytes), buffer, true, trace);
  const std::vector<Sample> samples = fixed_samples();
  ScanJoin join(samples);
  Timeline timeline(join, mode);
  timeline.begin_file(INT64_MAX);
  CcnCounts counts;
  read_ccn_records(channel, {0, 0, 0}, timeline, counts);
  close(channel);
  overtaken = timeline.overtaken();
  if (overtaken) return {};
  timeline.finish();
  std::string text = std::to_string(counts.read) + " " + std::to_string(counts.skipped) + "\n";
  for (const Window& window : join.finish()) {
    require(window.since_change >= 0, "a run that begins after the sample");
    require(!window.stable || (*window.stable >= 0 && *window.stable <= 1),
            "a fraction out of range");
    require(!window.whole || window.in_force, "whole without a record in force");
    if (window.in_force) text.append(std::to_string(window.in_force->set_point)).append(" ");
    text.append(std::to_string(window.since_change)).append(" ");
    text.append(window.whole ? (*window.whole ? "y" : "n") : "-").append(" ");
    text.append(window.stable ? std::to_string(*window.stable) : "-").append("\n");
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const bool ccn = fuzz::take_byte(input) % 2 == 1;
  const std::size_t small = kMaxFieldLength + 1 + std::size_t{fuzz::take_byte(input)} * 61;
  std::vector<std::size_t> sizes = {small, std::size_t{256} * 1024};
  for (const std::size_t at_cr : fuzz::sizes_ending_a_read_at_cr(input, 3)) sizes.push_back(at_cr);

  if (!ccn) {
    const std::string expected = read_samples(input, sizes.front());
    for (const std::size_t buffer : sizes) {
      require(read_samples(input, buffer) == expected, "the samples depend on the buffer");
    }
    return 0;
  }
  bool overtaken = false;
  const std::string expected = join_records(input, sizes.front(), TimelineMode::held, overtaken);
  require(!overtaken, "records held back were overtaken");
  for (const std::size_t buffer : sizes) {
    require(join_records(input, buffer, TimelineMode::held, overtaken) == expected,
            "the join depends on the buffer", expected);
    const std::string as_read = join_records(input, buffer, TimelineMode::as_read, overtaken);
    require(overtaken || as_read == expected, "records passed on as read join otherwise", as_read);
  }
  return 0;
}
