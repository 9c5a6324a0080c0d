#include "scans/scans_run.hpp"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <limits>
#include <string>
#include <tuple>
#include <unordered_set>
#include <vector>

#include "platform/platform.hpp"
#include "scans/ccn_reading.hpp"
#include "scans/dated_samples.hpp"
#include "scans/export_reading.hpp"
#include "scans/file_kind.hpp"
#include "scans/inputs.hpp"
#include "scans/labelled_fields.hpp"
#include "scans/report.hpp"
#include "scans/scan_join.hpp"
#include "scans/scans_rows.hpp"
#include "scans/table_output.hpp"
#include "scans/timeline.hpp"
#include "tables/scans_table.hpp"

namespace vortelin::scans {

namespace {

using calendar::OrderBasis;

// Telling a file's kind reads its first lines only; reading a whole file goes
// through a larger buffer.
constexpr std::size_t kFirstLinesBuffer = std::size_t{8} * 1024;
constexpr std::size_t kWholeFileBuffer = std::size_t{256} * 1024;

struct CcnFile {
  std::uint32_t order = 0;     // its place in the order of reading
  std::int64_t day_start = 0;  // its date at midnight
  std::int64_t from = 0;       // the earliest time it can hold: midnight plus the offset
  std::int32_t first_time = 0;
};

struct IdentityHash {
  std::size_t operator()(const FileIdentity& identity) const {
    return std::hash<std::uint64_t>{}(identity.index * 31 + identity.volume);
  }
};

struct Totals {
  std::size_t exports = 0;
  std::size_t ccn_files = 0;
  CcnCounts records;
};

struct Run {
  const Options& options;
  Report report;
  Inputs inputs;
  std::vector<Sample> samples;
  std::vector<CcnFile> ccn_files;
  std::unordered_set<FileIdentity, IdentityHash> seen;  // the files read so far
  std::optional<FileIdentity> output;
  Totals totals;
  IoTrace trace;
  std::vector<char> first_lines_buffer = std::vector<char>(kFirstLinesBuffer);
  std::vector<char> whole_file_buffer = std::vector<char>(kWholeFileBuffer);
};

std::string output_name(const Options& options) {
  return options.output.empty() ? std::string(kScansTableName) : options.output;
}

std::optional<FileIdentity> identity_of(const std::string& name) {
  const int fd = open_existing_file(name);
  if (fd < 0) return std::nullopt;
  FileIdentity identity;
  const bool known = file_identity(fd, identity);
  close_file(fd);
  return known ? std::optional(identity) : std::nullopt;
}

// Why the output must not be written, or empty: an existing file of that name
// that is data (an export, a CCN data file, a list given with @) is never
// written over; any other file is an earlier table, replaced.
std::string output_refusal(Run& run, const std::string& name) {
  switch (path_kind(name)) {
    case PathKind::missing:
      return {};
    case PathKind::folder:
      return name + " is a folder";
    case PathKind::other:
      return name + " is not a regular file";
    case PathKind::file:
      break;
  }
  const int fd = open_existing_file(name);
  if (fd < 0) return "cannot read " + name + " to check it holds no data: " + std::strerror(errno);
  FileIdentity identity;
  if (file_identity(fd, identity)) run.output = identity;
  IoTrace trace;
  InChannel channel;
  attach(channel, 0, name, fd, run.first_lines_buffer, false, trace);
  FileKind kind = FileKind::neither;
  try {
    kind = classify(channel).kind;
  } catch (const FatalCondition& condition) {
    close(channel);
    return "cannot read " + name + " to check it holds no data: " + condition.message();
  }
  close(channel);
  if (kind == FileKind::smps_export) return name + " is an SMPS export";
  if (kind == FileKind::ccn_data) return name + " is a CCN data file";
  for (const std::string& list : run.inputs.lists) {
    if (run.output && identity_of(list) == run.output) return name + " is a list given with @";
  }
  return {};
}

void note_decision(const Run& run, const std::string& name, OrderBasis basis) {
  if (basis == OrderBasis::by_default) run.report.note(name + ": read month first by default");
}

void take_export(Run& run, const std::string& name, const ExportReading& reading,
                 std::uint32_t order) {
  DatedExport dated = date_samples(reading, name, run.options.order, order);
  if (dated.decision.basis == OrderBasis::contradictory) {
    run.report.note("skipped " + name + ": its dates are day first and month first");
    return;
  }
  ++run.totals.exports;
  note_decision(run, name, dated.decision.basis);
  if (dated.without_date_or_time > 0) {
    run.report.note(name + ": " + counted(dated.without_date_or_time, "sample", "samples") +
                    " left out: no date or time");
  }
  if (dated.no_such_date > 0) {
    run.report.note(name + ": " + counted(dated.no_such_date, "sample", "samples") +
                    " left out: no such date");
  }
  if (reading.columns_cut) {
    run.report.note(name + ": fields after the " + std::to_string(kMaxFields) +
                    "th of a line left out");
  }
  for (Sample& sample : dated.samples) run.samples.push_back(std::move(sample));
}

void take_ccn(Run& run, const std::string& name, const Classified& classified,
              std::uint32_t order) {
  calendar::OrderEvidence evidence;
  const calendar::WrittenDate date = written_date(*classified.ccn_date);
  calendar::note_date(evidence, date);
  const calendar::OrderDecision decision =
      calendar::decide_order(evidence, name, run.options.order);
  if (decision.basis == OrderBasis::contradictory) {
    run.report.note("skipped " + name + ": its dates are day first and month first");
    return;
  }
  const auto day = calendar::civil_day(date, decision.order);
  if (!day) {
    run.report.note("skipped " + name + ": no such date on its second line");
    return;
  }
  note_decision(run, name, decision.basis);
  const std::int64_t midnight = std::chrono::sys_seconds{*day}.time_since_epoch().count();
  run.ccn_files.push_back(
      {order, midnight, midnight + run.options.ccn_offset, classified.ccn_first_time});
}

// Opens, tells apart and takes one file: an export's samples now, a CCN
// file's place for the time line.
void take_file(Run& run, std::uint32_t order) {
  const std::string& name = run.inputs.files[order];
  const int fd = open_existing_file(name);
  if (fd < 0) {
    run.report.failure("cannot open " + name + ": " + std::strerror(errno));
    return;
  }
  std::uint64_t size = 0;
  FileIdentity identity;
  const bool known = file_identity(fd, identity);
  if (known && (identity == run.output || !run.seen.insert(identity).second)) {
    close_file(fd);  // the output, or a file read already under another name
    return;
  }
  if (!regular_file_size(fd, size)) {
    close_file(fd);
    run.report.note("skipped " + name + ": not a regular file");
    return;
  }
  InChannel channel;
  attach(channel, 0, name, fd, run.first_lines_buffer, false, run.trace);
  try {
    const Classified classified = classify(channel);
    switch (classified.kind) {
      case FileKind::smps_export:
        reposition(fd, true);
        attach(channel, 0, name, fd, run.whole_file_buffer, true, run.trace);
        take_export(run, name, read_export(channel), order);
        break;
      case FileKind::ccn_data:
        take_ccn(run, name, classified, order);
        break;
      case FileKind::neither:
        run.report.note("skipped " + name + ": neither an SMPS export nor a CCN data file");
        break;
    }
  } catch (const FatalCondition& condition) {
    run.report.failure("cannot read " + name + ": " + condition.message());
  }
  close(channel);
}

// What reading the CCN files found: kept until the reading that counts.
struct CcnPass {
  Totals totals;
  std::vector<std::string> notes;
  std::vector<std::string> failures;
};

// Reads every CCN file into `timeline`, in the order of `files`; stops when
// the time line takes no more.
void read_time_line(Run& run, Timeline& timeline, CcnPass& pass) {
  const std::vector<CcnFile>& files = run.ccn_files;
  for (std::size_t k = 0; k < files.size() && !timeline.overtaken(); ++k) {
    const CcnFile& file = files[k];
    const std::string& name = run.inputs.files[file.order];
    timeline.begin_file(k + 1 < files.size() ? files[k + 1].from
                                             : std::numeric_limits<std::int64_t>::max());
    const int fd = open_existing_file(name);
    if (fd < 0) {
      pass.failures.push_back("cannot open " + name + ": " + std::strerror(errno));
      continue;
    }
    InChannel channel;
    attach(channel, 0, name, fd, run.whole_file_buffer, true, run.trace);
    CcnCounts counts;
    try {
      read_ccn_records(channel, {file.day_start, run.options.ccn_offset, file.order}, timeline,
                       counts);
    } catch (const FatalCondition& condition) {
      pass.failures.push_back("cannot read " + name + ": " + condition.message());
    }
    close(channel);
    ++pass.totals.ccn_files;
    pass.totals.records.read += counts.read;
    pass.totals.records.skipped += counts.skipped;
    if (counts.skipped > 0) {
      pass.notes.push_back(name + ": " + counted(counts.skipped, "record", "records") +
                           " skipped: no time or values");
    }
  }
}

// The windows of the samples (sorted by start) on the time line of every CCN
// file. The files are read in the order of the earliest time each can hold,
// their records passed on as read; when that order does not hold (files that
// overlap, a file that goes back in time), they are read again, held back.
std::vector<Window> join_samples(Run& run) {
  std::sort(run.ccn_files.begin(), run.ccn_files.end(), [](const CcnFile& a, const CcnFile& b) {
    return std::tie(a.from, a.first_time, a.order) < std::tie(b.from, b.first_time, b.order);
  });
  for (const TimelineMode mode : {TimelineMode::as_read, TimelineMode::held}) {
    ScanJoin join(run.samples);
    Timeline timeline(join, mode);
    CcnPass pass;
    read_time_line(run, timeline, pass);
    if (timeline.overtaken()) continue;
    timeline.finish();
    run.totals.ccn_files = pass.totals.ccn_files;
    run.totals.records = pass.totals.records;
    for (const std::string& line : pass.failures) run.report.failure(line);
    for (const std::string& line : pass.notes) run.report.note(line);
    return join.finish();
  }
  return {};
}

bool write_table(Run& run, const std::vector<Window>& windows, std::string& why) {
  TableOutput output;
  const std::string name = output_name(run.options);
  if (!output.open(name, why)) return false;
  output.write(header_row());
  std::string row;
  DayText day;
  for (std::size_t i = 0; i < run.samples.size(); ++i) {
    const Sample& sample = run.samples[i];
    const Window& window = windows[i];
    row.clear();
    append_row(row, sample, run.inputs.files[sample.export_index], window,
               window.in_force ? std::string_view(run.inputs.files[window.in_force->file])
                               : std::string_view(),
               day);
    output.write(row);
  }
  return output.finish(why);
}

}  // namespace

int run_scans(const Options& options) {
  Run run{options, {}, {}, {}, {}, {}, {}, {}, {}};
  const std::string output = output_name(options);
  run.inputs = gather_inputs(options.paths, run.report);
  if (output != kStandardOutputName) {
    const std::string refusal = output_refusal(run, output);
    if (!refusal.empty()) {
      run.report.note("nothing written: " + refusal);
      return 1;
    }
  }
  for (std::uint32_t order = 0; order < run.inputs.files.size(); ++order) take_file(run, order);

  // Rows by start, then export name (bytes), then place in the export; exports
  // read in time order give them in order already.
  const auto row_order = [&run](const Sample& a, const Sample& b) {
    if (a.start != b.start) return a.start < b.start;
    const int names = run.inputs.files[a.export_index].compare(run.inputs.files[b.export_index]);
    if (names != 0) return names < 0;
    return a.order < b.order;
  };
  if (!std::is_sorted(run.samples.begin(), run.samples.end(), row_order)) {
    std::sort(run.samples.begin(), run.samples.end(), row_order);
  }
  const std::vector<Window> windows = join_samples(run);

  std::string why;
  hold_console_signals();
  const bool written = write_table(run, windows, why);
  release_console_signals();
  if (!written) {
    run.report.note("nothing written: " + why);
    return 1;
  }
  run.report.note("wrote " + counted(run.samples.size(), "sample", "samples") + " to " + output +
                  ": " + counted(run.totals.exports, "export", "exports") + ", " +
                  counted(run.totals.ccn_files, "CCN file", "CCN files") + ", " +
                  counted(run.totals.records.read, "CCN record", "CCN records") + " read, " +
                  std::to_string(run.totals.records.skipped) + " skipped");
  return run.report.failed ? 1 : 0;
}

}  // namespace vortelin::scans
