// A whole run over a generated folder. The input is split at lines "@@": the
// first part is standard input, each later part a file of the folder (its first
// line the name, a name ending in "/" a folder). The run must end with status
// 0 and "Scanning finished.", status 1 and "Error opening file" with no table
// touched, or a fatal condition and its diagnostic; the console and both
// tables hold only whole lines ending in CR LF, every table line a header or a
// complete row of a processed entry, and no file is left open.
//
// The run happens in this process, so the fuzzer sees its coverage; standard
// input, output and error are pointed at files for the run. Run it with
// -close_fd_mask=2 (as fuzz/run.sh does) so the fuzzer's own messages do not go into those files.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/run.hpp"
#include "fuzz_support.hpp"
#include "table_shape.hpp"
#include "tables/summary_tables.hpp"
#include "text/byte_order_mark.hpp"
#include "text/file_open.hpp"

// Built with a sanitizer, its reports must reach the real standard error
// while the run's standard error is a file.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORTELIN_WITH_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VORTELIN_WITH_SANITIZER 1
#endif
#ifdef VORTELIN_WITH_SANITIZER
#include <sanitizer/common_interface_defs.h>
#endif

namespace fs = std::filesystem;

namespace {

using vortelin::fuzz::require;

constexpr std::string_view kSeparator = "\n@@\n";
constexpr std::size_t kMaxFiles = 8;
constexpr std::size_t kMaxName = 64;
constexpr std::string_view kBanner =
    " VORTELIN - scan current dir for CCN/SMPS files\r\n VORTELIN authors 14/05/05\r\n  \r\n"
    " Give file with filname list: \r\n";

struct Entry {
  std::string name;
  std::string contents;
  bool folder = false;
};

struct Folder {
  std::string answer;
  std::vector<Entry> entries;
};

fs::path base_dir;
int saved_fds[3] = {-1, -1, -1};

std::string slashes_replaced(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '/') c = '_';
  }
  return out;
}

bool usable_name(std::string_view name) {
  return !name.empty() && name.size() <= kMaxName && name != "." && name != ".." &&
         name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

// The file the answer names, as the run finds it: the first line, its CR
// before the line feed and a byte-order mark before it dropped, cut to 64
// characters.
std::string answered_name(std::string_view answer) {
  std::string_view line = answer.substr(0, answer.find('\n'));
  if (line.size() < answer.size() && !line.empty() && line.back() == '\r') line.remove_suffix(1);
  return vortelin::name_in_field(vortelin::without_byte_order_mark(line).substr(0, kMaxName));
}

// Names never reach outside the folder: no "/" in the answer or in the list
// file, so no device or endless file is ever read.
Folder split_input(std::string_view input) {
  Folder folder;
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t at = input.find(kSeparator);
    parts.push_back(input.substr(0, at));
    if (at == std::string_view::npos) break;
    input.remove_prefix(at + kSeparator.size());
  }
  folder.answer = slashes_replaced(parts[0]);
  const std::string list_name = answered_name(folder.answer);
  for (std::size_t i = 1; i < parts.size() && folder.entries.size() < kMaxFiles; ++i) {
    const std::size_t lf = parts[i].find('\n');
    std::string_view name = parts[i].substr(0, lf);
    const std::string_view contents =
        lf == std::string_view::npos ? std::string_view{} : parts[i].substr(lf + 1);
    Entry entry;
    entry.folder = !name.empty() && name.back() == '/';
    if (entry.folder) name.remove_suffix(1);
    if (!usable_name(name)) continue;
    entry.name = std::string(name);
    entry.contents = entry.name == list_name ? slashes_replaced(contents) : std::string(contents);
    folder.entries.push_back(std::move(entry));
  }
  return folder;
}

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_file(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A table as found on disk: missing, a folder, or a file with its bytes.
struct TableState {
  bool exists = false;
  bool folder = false;
  std::string bytes;
  bool operator==(const TableState&) const = default;
};

TableState table_state(const fs::path& path) {
  TableState state;
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  state.exists = fs::exists(status);
  state.folder = fs::is_directory(status);
  if (state.exists && !state.folder) state.bytes = read_file(path);
  return state;
}

struct Ending {
  int status = 0;
  std::optional<vortelin::FatalCondition> condition;
};

// Runs the program's entry logic with standard input, output and error
// pointed at files, in the folder `work`.
Ending run_program(const fs::path& work) {
  const int in = ::open((base_dir / "stdin").c_str(), O_RDONLY | O_CLOEXEC);
  const int out =
      ::open((base_dir / "stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const int err =
      ::open((base_dir / "stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  require(in >= 0 && out >= 0 && err >= 0, "cannot open the run's standard files");
  ::dup2(in, STDIN_FILENO);
  ::dup2(out, STDOUT_FILENO);
  ::dup2(err, STDERR_FILENO);
  ::close(in);
  ::close(out);
  ::close(err);
  require(::chdir(work.c_str()) == 0, "cannot enter the work folder");
  Ending ending;
  {
    const auto run = std::make_unique<vortelin::Run>();
    try {
      ending.status = vortelin::execute(*run);
    } catch (const vortelin::FatalCondition& condition) {
      vortelin::finish_after_fatal(*run, condition);
      ending.condition = condition;
    }
  }
  require(::chdir(base_dir.c_str()) == 0, "cannot leave the work folder");
  for (int fd = 0; fd < 3; ++fd) ::dup2(saved_fds[fd], fd);
  return ending;
}

// A whole run over regular files meets what reading them can meet, or a table
// it cannot write.
bool known_condition(std::string_view context) {
  return vortelin::fuzz::one_of(context, vortelin::kContentContexts) ||
         context == vortelin::kListOutputStart;
}

// The console: the banner, then a processing line per entry, each followed by
// at most one error line. Returns the names of the entries that did not fail.
std::vector<std::string_view> processed_entries(std::string_view console) {
  require(console.substr(0, kBanner.size()) == kBanner, "the banner is wrong", console);
  const auto lines = vortelin::fuzz::crlf_lines(console.substr(kBanner.size()));
  require(lines.has_value(), "a console line without CR LF", console);
  std::vector<std::string_view> names;
  bool after_processing = false;
  for (const std::string_view line : *lines) {
    if (line.substr(0, 13) == " Processing [" && line.size() > 13 && line.back() == ']') {
      names.push_back(line.substr(13, line.size() - 14));
      after_processing = true;
    } else {
      require(after_processing && line == " *** Error opening/processing file.",
              "an unexpected console line", console);
      names.pop_back();
      after_processing = false;
    }
  }
  return names;
}

// Every table line after the header is a complete row of a processed entry, in
// list order; a CCN file may give several rows.
template <typename Parse>
void check_table(const TableState& table, std::string_view header, Parse parse,
                 const std::vector<std::string_view>& processed, bool many_per_entry) {
  require(table.exists && !table.folder, "a table is missing");
  const auto lines = vortelin::fuzz::crlf_lines(table.bytes);
  require(lines && !lines->empty(), "a table line without CR LF", table.bytes);
  require((*lines)[0].substr(1) == header && (*lines)[0][0] == ' ', "a wrong header", table.bytes);
  std::size_t next = 0;  // the processed entry the next row may come from
  for (std::size_t i = 1; i < lines->size(); ++i) {
    const auto row = parse((*lines)[i]);
    require(row.has_value(), "a malformed row", (*lines)[i]);
    if (many_per_entry && next > 0 && processed[next - 1] == row->file) continue;
    while (next < processed.size() && processed[next] != row->file) ++next;
    require(next < processed.size(), "a row of no processed entry", (*lines)[i]);
    ++next;
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char name[] = "/tmp/vortelin-fuzz-run-XXXXXX";
  require(::mkdtemp(name) != nullptr, "mkdtemp failed");
  base_dir = name;
  for (int fd = 0; fd < 3; ++fd) saved_fds[fd] = ::fcntl(fd, F_DUPFD_CLOEXEC, 10);
#ifdef VORTELIN_WITH_SANITIZER
  __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<std::intptr_t>(saved_fds[2])));
#endif
  std::atexit([] {
    std::error_code ignored;
    fs::remove_all(base_dir, ignored);
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Folder folder = split_input({reinterpret_cast<const char*>(data), size});
  const fs::path work = base_dir / "work";
  std::error_code ignored;
  fs::remove_all(work, ignored);
  fs::create_directory(work);
  for (const Entry& entry : folder.entries) {
    fs::remove_all(work / entry.name, ignored);
    if (entry.folder) {
      fs::create_directory(work / entry.name);
    } else {
      write_file(work / entry.name, entry.contents);
    }
  }
  write_file(base_dir / "stdin", folder.answer);
  const std::string smps_name(vortelin::kSmpsTableName);
  const std::string ccn_name(vortelin::kCcnTableName);
  const TableState smps_before = table_state(work / smps_name);
  const TableState ccn_before = table_state(work / ccn_name);

  const int probe_before = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  ::close(probe_before);
  const Ending ending = run_program(work);
  const int probe_after = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  ::close(probe_after);
  require(probe_after == probe_before, "the run left a file open");

  const std::string console = read_file(base_dir / "stdout");
  const std::string errors = read_file(base_dir / "stderr");
  const TableState smps = table_state(work / smps_name);
  const TableState ccn = table_state(work / ccn_name);
  const std::vector<std::string_view> processed = processed_entries(console);
  const auto smps_row = [](std::string_view line) { return vortelin::fuzz::parse_smps_row(line); };
  const auto ccn_row = [](std::string_view line) { return vortelin::fuzz::parse_ccn_row(line); };

  if (ending.condition) {
    const vortelin::FatalCondition& condition = *ending.condition;
    require(known_condition(condition.context()), "an unexpected condition", condition.what());
    require(errors == vortelin::diagnostic_text(condition), "a wrong diagnostic", errors);
    if (!(smps == smps_before))
      check_table(smps, vortelin::kSmpsHeader, smps_row, processed, false);
    if (!(ccn == ccn_before)) check_table(ccn, vortelin::kCcnHeader, ccn_row, processed, true);
    return 0;
  }
  if (ending.status == 1) {
    require(errors == "STOP Error opening file statement executed\r\n", "a wrong stop", errors);
    require(smps == smps_before && ccn == ccn_before, "a failed run touched a table");
    require(processed.empty() && console.size() == kBanner.size(), "a failed run went on");
    return 0;
  }
  require(ending.status == 0, "an unexpected exit status");
  require(errors == "STOP Scanning finished. statement executed\r\n", "a wrong stop", errors);
  check_table(smps, vortelin::kSmpsHeader, smps_row, processed, false);
  check_table(ccn, vortelin::kCcnHeader, ccn_row, processed, true);
  return 0;
}
