// Whole-process cases: every folder under cases/ is one run of the program in a fresh working
// directory, and its expected/ folder holds the exact bytes the run must produce.
//
// A case folder holds: files/ (the working directory's files), setup.sh (run there first),
// stdin (standard input; none reads /dev/null), args (the program's arguments, one per line),
// signal (see MidRunSignal), the markers skip_as_root, skip_on_windows (holding the reason) and
// native_line_ends (expected/stdout has LF line ends, which the Windows build writes as CR LF),
// and expected/: status, stdout, stderr, the tables, no_tables, and stdin_rest, what a later
// command reads from the same standard input after the program, which is then checked for stdin
// given as a file and as a pipe.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "support/temp_files.hpp"

namespace fs = std::filesystem;

namespace {

// The program must never hang; a run that takes longer than this is killed and fails.
constexpr std::chrono::seconds kTimeout{60};

std::string read_bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Shows carriage returns, so a missing or doubled CR in a line end can be seen.
std::string visible(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '\r') {
      out += "\\r";
    } else {
      out += c;
    }
  }
  return out;
}

// Empty when both texts are equal; otherwise the first differing offset and both texts.
std::string difference(const std::string& expected, const std::string& actual) {
  if (expected == actual) return {};
  const auto first = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
  const auto offset = static_cast<std::size_t>(first.first - expected.begin());
  // Long generated records would drown the hint: show a window from shortly before the offset.
  const std::size_t from = offset > 300 ? offset - 300 : 0;
  std::ostringstream hint;
  hint << "first difference at byte " << offset << " (expected " << expected.size()
       << " bytes, got " << actual.size() << ")";
  if (from > 0) hint << ", shown from byte " << from;
  hint << "\n--- expected ---\n"
       << visible(expected.substr(from, 1000)) << "\n--- actual ---\n"
       << visible(actual.substr(from, 1000)) << "\n";
  return hint.str();
}

struct Outcome {
  bool timed_out = false;
  int status = 0;  // as reported by waitpid
};

// A signal sent to the program in the middle of its run: once it holds the file
// `held` open, so the run has reached a known point whatever the machine's speed.
struct MidRunSignal {
  int number = 0;
  fs::path held;
};

// The case's `signal` file: a signal name (INT, TERM or FPE) and a file name.
std::optional<MidRunSignal> mid_run_signal(const fs::path& file, const fs::path& work) {
  std::ifstream in(file);
  std::string name, held;
  if (!(in >> name >> held)) return std::nullopt;
  const int number = name == "INT" ? SIGINT : name == "TERM" ? SIGTERM : name == "FPE" ? SIGFPE : 0;
  if (number == 0) return std::nullopt;
  return MidRunSignal{number, fs::weakly_canonical(work / held)};
}

bool holds_open(pid_t pid, const fs::path& file) {
  std::error_code error;
  for (const auto& fd : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
    if (fs::read_symlink(fd.path(), error) == file) return true;
  }
  return false;
}

// Runs `argv` in `dir` with standard input read from the descriptor `in` and
// both outputs written to files. With `err` empty, standard output and error
// are appended to `out`, as `>> out 2>&1` does.
Outcome run(const std::vector<std::string>& argv, const fs::path& dir, int in, const fs::path& out,
            const fs::path& err, const std::optional<MidRunSignal>& signal = std::nullopt) {
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  const bool appended = err.empty();
  const char* const paths[] = {out.c_str(), err.c_str(), dir.c_str()};
  const pid_t pid = fork();
  if (pid == 0) {
    // Only async-signal-safe calls between fork and exec.
    const int out_flags =
        appended ? O_WRONLY | O_APPEND | O_CLOEXEC : O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
    const int out_fd = open(paths[0], out_flags, 0644);
    const int err_fd =
        appended ? out_fd : open(paths[1], O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int fds[] = {in, out_fd, err_fd};
    for (int fd = 0; fd < 3; ++fd) {
      if (fds[fd] < 0 || dup2(fds[fd], fd) < 0) _exit(127);
    }
    if (chdir(paths[2]) != 0) _exit(127);
    execvp(args[0], args.data());
    _exit(127);
  }
  Outcome outcome;
  if (pid < 0) {
    ADD_FAILURE() << "fork failed: " << std::generic_category().message(errno);
    return outcome;
  }
  const auto deadline = std::chrono::steady_clock::now() + kTimeout;
  bool signalled = false;
  for (;;) {
    const pid_t done = waitpid(pid, &outcome.status, WNOHANG);
    if (done == pid || (done < 0 && errno != EINTR)) break;
    if (signal && !signalled && holds_open(pid, signal->held)) {
      kill(pid, signal->number);
      signalled = true;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &outcome.status, 0);
      outcome.timed_out = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return outcome;
}

// A descriptor open for reading, closed at the end of its scope.
struct Input {
  int fd = -1;
  explicit Input(const fs::path& path) : fd(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;
  ~Input() {
    if (fd >= 0) close(fd);
  }
};

// Everything left to read on `fd`, up to its end.
std::string read_rest(int fd) {
  std::string rest;
  char block[65536];
  for (;;) {
    const ssize_t got = read(fd, block, sizeof block);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    rest.append(block, static_cast<std::size_t>(got));
  }
  return rest;
}

// Standard input through a pipe, as `cat stdin | program` gives it: a thread
// writes the bytes while the program runs, and what the program leaves in the
// pipe stays for the next reader.
class PipedInput {
 public:
  explicit PipedInput(std::string bytes) : bytes_(std::move(bytes)) {
    if (pipe2(ends_, O_CLOEXEC) != 0) return;
    writer_ = std::thread([this] {
      const char* data = bytes_.data();
      std::size_t left = bytes_.size();
      while (left > 0) {
        const ssize_t put = write(ends_[1], data, left);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) break;
        data += put;
        left -= static_cast<std::size_t>(put);
      }
      close(ends_[1]);
    });
  }
  PipedInput(const PipedInput&) = delete;
  PipedInput& operator=(const PipedInput&) = delete;
  // Reading to the end lets the writer finish, so it never waits on a closed pipe.
  ~PipedInput() { rest(); }

  int read_end() const { return ends_[0]; }

  // What the program did not read; call it once the program has ended.
  std::string rest() {
    std::string left;
    if (ends_[0] >= 0) {
      left = read_rest(ends_[0]);
      close(ends_[0]);
      ends_[0] = -1;
    }
    if (writer_.joinable()) writer_.join();
    return left;
  }

 private:
  std::string bytes_;
  int ends_[2] = {-1, -1};
  std::thread writer_;
};

// "0", "1", ... for an exit, "abort" for SIGABRT, "signal N" for any other signal.
std::string status_text(int status) {
  if (WIFEXITED(status)) return std::to_string(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) {
    return WTERMSIG(status) == SIGABRT ? "abort" : "signal " + std::to_string(WTERMSIG(status));
  }
  return "unknown status " + std::to_string(status);
}

std::string trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
    text.pop_back();
  }
  return text;
}

// The bytes a case expects in expected/NAME, or none when it has no such file.
// Bytes too large to keep in the case come from a script beside them:
// expected/NAME.sh writes them on its standard output.
std::optional<std::string> expected_bytes(const fs::path& expected) {
  if (fs::exists(expected)) return read_bytes(expected);
  fs::path script = expected;
  script += ".sh";
  if (!fs::exists(script)) return std::nullopt;
  const fs::path bytes =
      fs::temp_directory_path() /
      ("vortelin-e2e-expected-" + std::to_string(getpid()) + "-" + expected.filename().string());
  const Input nothing("/dev/null");
  const Outcome made =
      run({"/bin/sh", script.string()}, expected.parent_path(), nothing.fd, bytes, "/dev/null");
  std::optional<std::string> got;
  if (!made.timed_out && WIFEXITED(made.status) && WEXITSTATUS(made.status) == 0) {
    got = read_bytes(bytes);
  }
  fs::remove(bytes);
  return got;
}

void expect_same_text(const std::string& what, const std::optional<std::string>& expected,
                      const std::string& actual) {
  if (!expected) {
    ADD_FAILURE() << "the case lacks expected/" << what;
    return;
  }
  const std::string diff = difference(*expected, actual);
  EXPECT_TRUE(diff.empty()) << what << ": " << diff;
}

void expect_same_bytes(const std::string& what, const std::optional<std::string>& expected,
                       const fs::path& actual) {
  if (!fs::exists(actual)) {
    ADD_FAILURE() << what << " was not produced";
    return;
  }
  expect_same_text(what, expected, read_bytes(actual));
}

// The program under test: the one built beside this runner, or the one named by
// VORTELIN_E2E_BINARY, started through VORTELIN_E2E_LAUNCHER when that is set
// (wine, for the Windows build).
std::vector<std::string> program_command() {
  std::vector<std::string> command;
  const char* launcher = std::getenv("VORTELIN_E2E_LAUNCHER");
  if (launcher != nullptr && *launcher != '\0') command.emplace_back(launcher);
  const char* binary = std::getenv("VORTELIN_E2E_BINARY");
  command.emplace_back(binary != nullptr && *binary != '\0' ? binary : VORTELIN_BINARY);
  return command;
}

bool testing_windows_build() {
  return fs::path(program_command().back()).extension() == ".exe";
}

// The program and the case's arguments: one per line of its `args` file.
std::vector<std::string> case_command(const fs::path& source) {
  std::vector<std::string> command = program_command();
  std::ifstream in(source / "args", std::ios::binary);
  for (std::string argument; std::getline(in, argument);) command.push_back(argument);
  return command;
}

// What the program must write on standard output. Text for people and tools
// (the help) ends its lines with the platform's line end: CR LF on Windows.
std::optional<std::string> expected_stdout(const fs::path& source) {
  std::optional<std::string> bytes = expected_bytes(source / "expected" / "stdout");
  if (!bytes || !fs::exists(source / "native_line_ends") || !testing_windows_build()) return bytes;
  std::string crlf;
  for (const char c : *bytes) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

std::vector<std::string> case_names() {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(VORTELIN_CASES, error)) {
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A fresh working directory holding the case's files, after its setup.sh.
void prepare(const fs::path& source, const fs::path& work) {
  fs::create_directory(work);
  if (fs::exists(source / "files")) fs::copy(source / "files", work, fs::copy_options::recursive);
  if (fs::exists(source / "setup.sh")) {
    const fs::path log = work.parent_path() / (work.filename().string() + "-setup");
    const Input nothing("/dev/null");
    const Outcome setup = run({"/bin/sh", (source / "setup.sh").string()}, work, nothing.fd, log,
                              log.string() + ".err");
    ASSERT_TRUE(!setup.timed_out && status_text(setup.status) == "0")
        << "setup.sh failed: " << read_bytes(log.string() + ".err");
  }
}

class EndToEnd : public ::testing::TestWithParam<std::string> {};

TEST_P(EndToEnd, Run) {
  const fs::path source = fs::path(VORTELIN_CASES) / GetParam();
  const fs::path expected = source / "expected";
  if (fs::exists(source / "skip_as_root") && geteuid() == 0) {
    GTEST_SKIP() << "runs as root, who can write a read-only file";
  }
  // The marker says why the case cannot hold on Windows (a FIFO, a POSIX device).
  if (fs::exists(source / "skip_on_windows") && testing_windows_build()) {
    GTEST_SKIP() << "not on Windows: " << trimmed(read_bytes(source / "skip_on_windows"));
  }
  const vortelin::test_support::TempDir temp;
  ASSERT_FALSE(temp.path.empty()) << "cannot make a temporary directory";
  // Outputs are captured beside the working directory, so the program never sees them.
  const fs::path work = temp.path / "work";
  prepare(source, work);
  if (HasFatalFailure()) return;

  const fs::path input = fs::exists(source / "stdin") ? source / "stdin" : "/dev/null";
  const std::vector<std::string> command = case_command(source);
  const std::optional<std::string> stdin_rest = expected_bytes(expected / "stdin_rest");
  const Input file_input(input);
  ASSERT_GE(file_input.fd, 0) << "cannot open " << input;
  const Outcome outcome = run(command, work, file_input.fd, temp.path / "stdout",
                              temp.path / "stderr", mid_run_signal(source / "signal", work));
  ASSERT_FALSE(outcome.timed_out) << "killed after " << kTimeout.count() << " s";

  ASSERT_TRUE(fs::exists(expected / "status")) << "the case lacks expected/status";
  std::string status = status_text(outcome.status);
  // An aborted Windows program ends with exit code 3.
  if (testing_windows_build() && status == "3") status = "abort";
  EXPECT_EQ(trimmed(read_bytes(expected / "status")), status);
  const std::optional<std::string> stdout_bytes = expected_stdout(source);
  const std::optional<std::string> stderr_bytes = expected_bytes(expected / "stderr");
  expect_same_bytes("stdout", stdout_bytes, temp.path / "stdout");
  expect_same_bytes("stderr", stderr_bytes, temp.path / "stderr");
  for (const char* table : {"scn_smps.dat", "scn_ccnc.dat"}) {
    if (fs::exists(expected / table) || fs::exists(expected / (std::string(table) + ".sh"))) {
      expect_same_bytes(table, expected_bytes(expected / table), work / table);
    }
    if (fs::exists(expected / "no_tables")) {
      EXPECT_FALSE(fs::exists(work / table)) << table << " exists";
    }
  }
  // The file's position is shared with the program, as in `{ vortelin; cat; } < stdin`.
  if (stdin_rest) {
    expect_same_text("what a later command reads from standard input (a file)", stdin_rest,
                     read_rest(file_input.fd));
  }
  if (fs::exists(source / "signal")) return;  // the handler writes standard error first

  // Again, as a script logs a run: both outputs appended to one file that
  // already holds earlier output, which must all be kept, in order. A case that
  // checks what is left of standard input gets it through a pipe this time, as
  // in `cat stdin | { vortelin; cat; } >> log 2>&1`.
  const fs::path again = temp.path / "again";
  prepare(source, again);
  if (HasFatalFailure()) return;
  const std::string earlier = "earlier output\r\nthat the run must keep\n";
  const fs::path log = temp.path / "log";
  std::ofstream(log, std::ios::binary) << earlier;
  std::optional<PipedInput> piped;
  std::optional<Input> file_again;
  if (stdin_rest) {
    piped.emplace(read_bytes(input));
  } else {
    file_again.emplace(input);
  }
  const Outcome logged = run(command, again, piped ? piped->read_end() : file_again->fd, log, {});
  ASSERT_FALSE(logged.timed_out) << "killed after " << kTimeout.count() << " s";
  if (piped) {
    expect_same_text("what a later command reads from standard input (a pipe)", stdin_rest,
                     piped->rest());
  }
  expect_same_bytes("stdout and stderr appended to one file",
                    earlier + stdout_bytes.value_or("") + stderr_bytes.value_or(""), log);
}

INSTANTIATE_TEST_SUITE_P(Cases, EndToEnd, ::testing::ValuesIn(case_names()),
                         [](const ::testing::TestParamInfo<std::string>& case_info) {
                           return case_info.param;
                         });

}  // namespace
