#include "driver/run.hpp"

#include <algorithm>
#include <string>

#include "platform/platform.hpp"
#include "scanners/ccn_scanner.hpp"
#include "scanners/first_lines.hpp"
#include "scanners/smps_scanner.hpp"
#include "tables/summary_tables.hpp"
#include "text/byte_order_mark.hpp"
#include "text/error_stream.hpp"
#include "text/file_open.hpp"
#include "text/list_line.hpp"
#include "text/trimmed_length.hpp"

namespace vortelin {

namespace {

constexpr std::size_t kNameLength = 64;    // list-file and data-file names
constexpr std::size_t kSkippedIndent = 4;  // an entry whose first 4 characters are blank is skipped

enum class FileKind { smps, ccn, unreadable };

// A CCN file needs its six header lines and one record.
constexpr std::size_t kShortestCcnFile = 7;

// The console is flushed before the answer is awaited and before anything goes
// to standard error, so the two streams appear in the order they were written.
void stop(Run& run, std::string_view message) {
  run.console.flush();
  write_to_error_stream(stop_text(message));
}

bool blank_indent(const FixedField<kNameLength>& entry) {
  const std::string_view indent = entry.prefix(kSkippedIndent);
  return std::all_of(indent.begin(), indent.end(), [](char c) { return c == ' '; });
}

// A file too short to be a CCN file, or whose tenth line has no line end and
// fills its field, cannot be processed; otherwise the marks tell the kind.
FileKind classify(InChannel& data) {
  const FirstLines lines = read_first_lines(data, [](std::size_t, const RawRecord&) {});
  if (lines.tenth_unterminated_full) return FileKind::unreadable;
  if (lines.export_marked) return FileKind::smps;
  return lines.complete < kShortestCcnFile ? FileKind::unreadable : FileKind::ccn;
}

// One list entry: open, classify, rewind and hand the file to its scanner.
void process_entry(Run& run, const FixedField<kNameLength>& entry, std::size_t ile) {
  std::string name = name_in_field(entry.view());
  const int fd = open_for_reading(name);
  if (fd < 0) {
    write_list(run.console, {kEntryFailed});
    return;
  }
  attach(run.data, kDataUnit, std::move(name), fd, run.data_buffer, false, run.trace);
  const FileKind kind = classify(run.data);
  if (kind == FileKind::unreadable) {
    close(run.data);
    write_list(run.console, {kEntryFailed});
    return;
  }
  rewind(run.data);
  // A row comes from its own file alone.
  run.state = ScanState{};
  const std::string_view file = entry.prefix(ile);
  if (kind == FileKind::smps) {
    scan_smps(run.data, file, run.state, run.smps_table);
  } else {
    scan_ccn(run.data, file, run.state, run.ccn_table);
  }
}

}  // namespace

std::string stop_text(std::string_view message) {
  std::string text = "STOP ";
  text += message;
  text += " statement executed\r\n";
  return text;
}

int execute(Run& run) {
  run.console.attach(kConsoleUnit, "", kStandardOutput, OutFile::console,
                     is_interactive(kStandardOutput), run.trace);
  write_list(run.console, {kBanner});
  write_list(run.console, {kCredit});
  write_list(run.console, {" "});
  write_list(run.console, {kPrompt});
  run.console.flush();

  attach(run.answer, kAnswerUnit, "", kStandardInput, run.answer_buffer, true, run.trace);
  RawRecord record;
  // The answer line alone: what follows it is the caller's. An answer file
  // saved with a byte-order mark names the list after the mark.
  read_shared_record(run.answer, kNameLength + kByteOrderMark.size(), Handling::none, record);
  FixedField<kNameLength> listfil;
  listfil.assign(without_byte_order_mark(record.text));

  std::string list_name = name_in_field(listfil.view());
  const int list_fd = open_for_reading(list_name);
  if (list_fd < 0) {
    // Nothing was created or changed; the run failed.
    stop(run, kListNotOpened);
    return 1;
  }
  attach(run.list, kListUnit, std::move(list_name), list_fd, run.list_buffer, true, run.trace);

  open_table(run.smps_table, kSmpsTableUnit, std::string(kSmpsTableName), run.trace);
  write_list(run.smps_table, {kSmpsHeader});
  open_table(run.ccn_table, kCcnTableUnit, std::string(kCcnTableName), run.trace);
  write_list(run.ccn_table, {kCcnHeader});

  // A list saved with a byte-order mark names its first file after the mark.
  FixedField<kNameLength> curfil;
  bool first_line = true;
  while (read_record(run.list, kNameLength + kByteOrderMark.size(), Handling::end_of_file,
                     record) == Outcome::record) {
    curfil.assign(first_line ? without_byte_order_mark(record.text) : record.text);
    first_line = false;
    if (blank_indent(curfil)) continue;
    const std::size_t ile = chrbln(curfil.view());
    write_list(run.console, {"Processing [", curfil.prefix(ile), "]"});
    process_entry(run, curfil, ile);
  }

  close(run.list);
  run.smps_table.close();
  run.ccn_table.close();
  stop(run, kFinished);
  run.console.close();
  return 0;
}

void finish_after_fatal(Run& run, const FatalCondition& condition) noexcept {
  run.console.close_quietly();
  write_to_error_stream(diagnostic_text(condition));
  close(run.answer);
  close(run.list);
  // In the order of a normal end.
  run.smps_table.close_quietly();
  run.ccn_table.close_quietly();
  close(run.data);
}

}  // namespace vortelin
