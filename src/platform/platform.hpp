// The few things that differ between a POSIX system and a Windows console:
// descriptors, opening files, console signals and ending the process. Exactly
// one of posix.cpp and windows.cpp is built; no other file knows the platform.
// Descriptors are C runtime file numbers on both, and a failing call leaves
// the reason in errno, so callers report it with std::strerror.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vortelin {

inline constexpr int kStandardInput = 0;
inline constexpr int kStandardOutput = 1;
inline constexpr int kStandardError = 2;

// Puts the standard streams in binary mode, so a CR LF is written once and
// read as it is.
void prepare_standard_streams();

bool is_interactive(int fd);

// The line end of text read by people and tools outside the console dialogue,
// such as the help text: LF on POSIX, CR LF on Windows.
std::string_view text_line_end();

// Opening by name. On Windows a name that is UTF-8 beyond ASCII is opened by
// its characters, through the wide-character calls; any other name is passed
// as bytes of the system's code page. On POSIX a name is bytes.

// Opens an existing file for reading, or returns -1. A folder is not a file to
// read, and the open never blocks (a FIFO without a writer, a device).
int open_existing_file(const std::string& name);

// Creates or empties `name` for writing, or returns -1.
int create_or_empty_file(const std::string& name);

// Opens whatever `name` is (a file, a folder) just to hold it, or returns -1.
int open_anything_for_reading(const std::string& name);

// read(2) and write(2): the count moved, 0 at end of input, -1 on failure.
std::ptrdiff_t read_some(int fd, char* data, std::size_t size);
std::ptrdiff_t write_some(int fd, const char* data, std::size_t size);

// True when `fd` can be positioned; `to_start` also moves it to its first byte.
bool reposition(int fd, bool to_start);

// Moves a positionable file's position `count` bytes back; false for anything
// else (a pipe, a terminal, a console).
bool step_back(int fd, std::uint64_t count);

// The size of a regular file, or false for anything else (a device, a pipe).
bool regular_file_size(int fd, std::uint64_t& size);
// Sets a file's length. Safe in the console-signal handler.
bool cut_file(int fd, std::uint64_t length);

void close_file(int fd);

// The calls a read or write channel makes on its descriptor, as one value: the
// functions above by default (kSystemCalls), a test's own in their place to
// show what a real device rarely does (reads of one byte, interrupted reads,
// a failing seek, a pipe whose seeks claim to work, a write that fails half
// way). One call moves a whole buffer, never a byte.
struct DescriptorCalls {
  std::ptrdiff_t (*read_some)(int fd, char* data, std::size_t size);
  std::ptrdiff_t (*write_some)(int fd, const char* data, std::size_t size);
  bool (*reposition)(int fd, bool to_start);
  bool (*step_back)(int fd, std::uint64_t count);
  bool (*regular_file_size)(int fd, std::uint64_t& size);
  bool (*cut_file)(int fd, std::uint64_t length);
  void (*close_file)(int fd);
};

inline constexpr DescriptorCalls kSystemCalls{
    &read_some, &write_some, &reposition, &step_back, &regular_file_size, &cut_file, &close_file};

// ---- Paths, for a program that takes files and folders by name.

enum class PathKind { missing, folder, file, other };  // other: a device, a FIFO

// What `name` is, following links; `missing` also when it cannot be looked at,
// with the reason in errno.
PathKind path_kind(const std::string& name);

// The names of the entries of `folder` that are files or links to files, in no
// particular order; false, with the reason in errno, when it cannot be listed.
bool list_folder_files(const std::string& folder, std::vector<std::string>& names);

// Which file an open descriptor is: two names of one file (a link, another
// path to it) give the same identity.
struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};
bool file_identity(int fd, FileIdentity& identity);

// Creates `name` for writing; -1 when it exists already or cannot be created.
int create_new_file(const std::string& name);
// Gives the file `from` the name `to`, replacing a file of that name.
bool replace_file(const std::string& from, const std::string& to);
bool remove_file(const std::string& name);

// Console signals. The handler runs with the run stopped where it was, as a
// POSIX signal handler does, so it must only write and end the process.
enum class ConsoleSignal { interrupt, termination, floating_point };
using ConsoleSignalHandler = void (*)(ConsoleSignal) noexcept;

// An interrupt (Ctrl+C, Ctrl+Break), a termination request (a closed console)
// and a floating-point exception call `handler`. A broken pipe becomes a failed
// write instead of ending the process.
void install_console_handler(ConsoleSignalHandler handler);

// Between hold and release the handler waits. Holds may nest.
void hold_console_signals() noexcept;
void release_console_signals() noexcept;

// Ends the process at once with `status`, writing nothing more.
[[noreturn]] void end_process(int status) noexcept;
// Ends the process abnormally (SIGABRT on POSIX, exit code 3 on Windows).
[[noreturn]] void end_process_abnormally() noexcept;

}  // namespace vortelin
