// The platform functions on a Windows console, through the C runtime's
// POSIX-like calls where they behave the same.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
// After windows.h:
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/handle_type.hpp"
#include "platform/platform.hpp"
#include "platform/wide_names.hpp"

namespace vortelin {

namespace {

// What the console handler needs: the handler to call, the thread of the run
// (stopped while the handler works), and the lock that holding signals takes.
ConsoleSignalHandler signal_handler = nullptr;
HANDLE run_thread = nullptr;
SRWLOCK hold_lock = SRWLOCK_INIT;
int hold_depth = 0;  // touched by the run's thread only

// The largest count one call moves; the C runtime takes an unsigned int.
constexpr std::size_t kMaxTransfer = std::size_t{1} << 30;

HANDLE os_handle(int fd) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

int errno_of(DWORD error) {
  switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
      return EPIPE;
    case ERROR_ACCESS_DENIED:
      return EACCES;
    case ERROR_INVALID_HANDLE:
      return EBADF;
    default:
      return EIO;
  }
}

// A name for the wide-character calls (see wide_names.hpp); empty for a name
// that goes to the ANSI calls as bytes of the system's code page. A wchar_t is
// a UTF-16 code unit on Windows.
std::wstring wide_characters(const std::string& name) {
  const std::u16string units = wide_name(name);
  return {units.begin(), units.end()};
}

int open_by_name(const std::string& name, int flags, int mode) {
  const std::wstring wide = wide_characters(name);
  return wide.empty() ? _open(name.c_str(), flags, mode) : _wopen(wide.c_str(), flags, mode);
}

// Console events arrive on a thread of their own. Like a POSIX signal, the
// handler waits while signals are held and then stops the run where it is, so
// it never sees a buffer in the middle of a change.
BOOL WINAPI on_console_event(DWORD event) {
  const ConsoleSignal which = event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT
                                  ? ConsoleSignal::interrupt
                                  : ConsoleSignal::termination;
  AcquireSRWLockExclusive(&hold_lock);
  if (run_thread != nullptr && SuspendThread(run_thread) != static_cast<DWORD>(-1)) {
    // Suspending is asynchronous; asking for the thread's context waits for it.
    CONTEXT context{};
    context.ContextFlags = CONTEXT_CONTROL;
    GetThreadContext(run_thread, &context);
  }
  if (signal_handler != nullptr) signal_handler(which);
  end_process(1);
}

// A floating-point exception is raised on the run's own thread.
void on_floating_point(int) {
  if (hold_depth == 0) AcquireSRWLockExclusive(&hold_lock);
  if (signal_handler != nullptr) signal_handler(ConsoleSignal::floating_point);
  end_process_abnormally();
}

}  // namespace

void prepare_standard_streams() {
  for (const int fd : {kStandardInput, kStandardOutput, kStandardError}) _setmode(fd, _O_BINARY);
}

bool is_interactive(int fd) {
  return _isatty(fd) != 0;
}

std::string_view text_line_end() {
  return "\r\n";
}

int open_existing_file(const std::string& name) {
  const int fd = open_by_name(name, _O_RDONLY | _O_BINARY | _O_NOINHERIT, 0);
  if (fd < 0) return -1;
  struct _stat64 info {};
  if (_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFMT) == _S_IFDIR) {
    _close(fd);
    return -1;
  }
  return fd;
}

int create_or_empty_file(const std::string& name) {
  return open_by_name(name, _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY | _O_NOINHERIT,
                      _S_IREAD | _S_IWRITE);
}

// The C runtime cannot open a folder; the system can, given backup semantics.
int open_anything_for_reading(const std::string& name) {
  constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  const std::wstring wide = wide_characters(name);
  const HANDLE handle = wide.empty()
                            ? CreateFileA(name.c_str(), GENERIC_READ, kShare, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)
                            : CreateFileW(wide.c_str(), GENERIC_READ, kShare, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return -1;
  const int fd = _open_osfhandle(reinterpret_cast<std::intptr_t>(handle), _O_RDONLY | _O_BINARY);
  if (fd < 0) CloseHandle(handle);
  return fd;
}

std::ptrdiff_t read_some(int fd, char* data, std::size_t size) {
  return _read(fd, data, static_cast<unsigned>(std::min(size, kMaxTransfer)));
}

// Written with the system call, not _write: the console handler writes while
// the run is stopped, perhaps inside the runtime holding its descriptor lock.
std::ptrdiff_t write_some(int fd, const char* data, std::size_t size) {
  const HANDLE handle = os_handle(fd);
  if (handle == INVALID_HANDLE_VALUE) {
    errno = EBADF;
    return -1;
  }
  DWORD put = 0;
  if (!WriteFile(handle, data, static_cast<DWORD>(std::min(size, kMaxTransfer)), &put, nullptr)) {
    errno = errno_of(GetLastError());
    return -1;
  }
  return static_cast<std::ptrdiff_t>(put);
}

namespace {

HandleType handle_type(int fd) {
  switch (GetFileType(os_handle(fd))) {
    case FILE_TYPE_DISK:
      return HandleType::disk;
    case FILE_TYPE_CHAR:
      return HandleType::character;
    case FILE_TYPE_PIPE:
      return HandleType::pipe;
    default:
      return HandleType::unknown;
  }
}

// Moves a file's position relative to `whence`; only a disk file's moves (see
// handle_type.hpp).
bool seek_disk_file(int fd, long long offset, int whence) {
  if (!position_moves(handle_type(fd))) {
    errno = ESPIPE;
    return false;
  }
  return _lseeki64(fd, offset, whence) >= 0;
}

}  // namespace

bool reposition(int fd, bool to_start) {
  return seek_disk_file(fd, 0, to_start ? SEEK_SET : SEEK_CUR);
}

bool step_back(int fd, std::uint64_t count) {
  return seek_disk_file(fd, -static_cast<long long>(count), SEEK_CUR);
}

bool regular_file_size(int fd, std::uint64_t& size) {
  struct _stat64 info {};
  if (_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) return false;
  size = static_cast<std::uint64_t>(info.st_size);
  return true;
}

// With the system's calls, not _chsize_s: the console handler cuts tables while
// the run is stopped, perhaps inside the runtime holding its descriptor lock.
// The position ends at `length`, where the channel's next write belongs.
bool cut_file(int fd, std::uint64_t length) {
  const HANDLE handle = os_handle(fd);
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<LONGLONG>(length);
  return handle != INVALID_HANDLE_VALUE && SetFilePointerEx(handle, at, nullptr, FILE_BEGIN) &&
         SetEndOfFile(handle);
}

void close_file(int fd) {
  _close(fd);
}

namespace {

// A name the system gave in UTF-16, as UTF-8 (which open_by_name takes back).
std::string utf8_name(const wchar_t* wide) {
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 1) return {};
  std::string name(static_cast<std::size_t>(bytes - 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, name.data(), bytes, nullptr, nullptr);
  return name;
}

// Any name in UTF-16: UTF-8 beyond ASCII as such, anything else as bytes of
// the system's code page, as the ANSI calls would read it.
std::wstring any_wide_name(const std::string& name) {
  std::wstring wide = wide_characters(name);
  if (!wide.empty()) return wide;
  const int units = MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, nullptr, 0);
  if (units <= 1) return {};
  wide.assign(static_cast<std::size_t>(units - 1), L'\0');
  MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide.data(), units);
  return wide;
}

}  // namespace

PathKind path_kind(const std::string& name) {
  const DWORD attributes = GetFileAttributesW(any_wide_name(name).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    errno = ENOENT;
    return PathKind::missing;
  }
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::folder : PathKind::file;
}

// Listed through the wide-character calls, so every name arrives whole; names
// beyond ASCII come back as UTF-8, which opens them again.
bool list_folder_files(const std::string& folder, std::vector<std::string>& names) {
  const char last = folder.back();
  const std::string pattern = folder + (last == '/' || last == '\\' ? "*" : "\\*");
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(any_wide_name(pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    errno = GetLastError() == ERROR_FILE_NOT_FOUND ? 0 : ENOENT;
    return errno == 0;
  }
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      std::string name = utf8_name(found.cFileName);
      if (!name.empty()) names.push_back(std::move(name));
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return true;
}

bool file_identity(int fd, FileIdentity& identity) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(os_handle(fd), &info)) return false;
  identity = {info.dwVolumeSerialNumber,
              (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
  return true;
}

int create_new_file(const std::string& name) {
  return open_by_name(name, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                      _S_IREAD | _S_IWRITE);
}

bool replace_file(const std::string& from, const std::string& to) {
  return MoveFileExW(any_wide_name(from).c_str(), any_wide_name(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING) != 0;
}

bool remove_file(const std::string& name) {
  return DeleteFileW(any_wide_name(name).c_str()) != 0;
}

void install_console_handler(ConsoleSignalHandler handler) {
  signal_handler = handler;
  DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &run_thread,
                  THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT, FALSE, 0);
  SetConsoleCtrlHandler(on_console_event, TRUE);
  std::signal(SIGFPE, on_floating_point);
}

void hold_console_signals() noexcept {
  if (hold_depth++ == 0) AcquireSRWLockExclusive(&hold_lock);
}

void release_console_signals() noexcept {
  if (--hold_depth == 0) ReleaseSRWLockExclusive(&hold_lock);
}

// Terminating, not exiting: nothing of the runtime runs again, as with _exit.
void end_process(int status) noexcept {
  TerminateProcess(GetCurrentProcess(), static_cast<UINT>(status));
  ExitProcess(static_cast<UINT>(status));
}

// Exit code 3 is how an aborted program ends on Windows; abort() itself would
// write a message of the runtime's own.
void end_process_abnormally() noexcept {
  end_process(3);
}

}  // namespace vortelin
