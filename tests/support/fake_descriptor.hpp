// A file or pipe held in memory and reached through DescriptorCalls, with the
// faults a real one shows only rarely: reads and writes that move a few bytes,
// calls interrupted by a signal, a read error, a seek that fails, a device
// that fills up in the middle of a write. Its seeks behave as those of the
// Windows build: the C runtime claims to move any handle but moves only a disk
// file, and the platform asks it only when position_moves() says so.
#pragma once

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "platform/handle_type.hpp"
#include "platform/platform.hpp"

namespace vortelin::test_support {

inline constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

struct FakeDescriptor {
  std::string bytes;  // what reads return from `position` on; what writes add to
  std::size_t position = 0;
  HandleType type = HandleType::disk;
  std::size_t most_per_call = kNoLimit;  // the bytes one read or write moves at most
  bool interrupted = false;              // every other call fails with EINTR first
  std::size_t read_error_at = kNoLimit;  // a read from here fails with EIO
  bool step_back_fails = false;
  std::size_t room = kNoLimit;  // writes past this size fail with ENOSPC
  int closes = 0;

  int fd = -1;  // valid while the fake lives
  bool interrupt_next = true;

  FakeDescriptor() {
    fd = kFirst + static_cast<int>(fakes().size());
    fakes().push_back(this);
  }
  ~FakeDescriptor() { fakes()[static_cast<std::size_t>(fd - kFirst)] = nullptr; }
  FakeDescriptor(const FakeDescriptor&) = delete;
  FakeDescriptor& operator=(const FakeDescriptor&) = delete;

  std::string rest() const { return bytes.substr(std::min(position, bytes.size())); }

  static FakeDescriptor& at(int fd) { return *fakes()[static_cast<std::size_t>(fd - kFirst)]; }

 private:
  static constexpr int kFirst = 1000;  // far from the descriptors the test has open
  static std::vector<FakeDescriptor*>& fakes() {
    static std::vector<FakeDescriptor*> all;
    return all;
  }
};

namespace fake_calls {

// True when this call is to fail with EINTR.
inline bool interrupt(FakeDescriptor& fake) {
  if (!fake.interrupted) return false;
  fake.interrupt_next = !fake.interrupt_next;
  if (fake.interrupt_next) return false;
  errno = EINTR;
  return true;
}

inline std::ptrdiff_t read_some(int fd, char* data, std::size_t size) {
  FakeDescriptor& fake = FakeDescriptor::at(fd);
  if (interrupt(fake)) return -1;
  if (fake.position >= fake.read_error_at) {
    errno = EIO;
    return -1;
  }
  const std::size_t left = fake.bytes.size() - std::min(fake.position, fake.bytes.size());
  const std::size_t count = std::min({size, fake.most_per_call, left});
  fake.bytes.copy(data, count, fake.position);
  fake.position += count;
  return static_cast<std::ptrdiff_t>(count);
}

inline std::ptrdiff_t write_some(int fd, const char* data, std::size_t size) {
  FakeDescriptor& fake = FakeDescriptor::at(fd);
  if (interrupt(fake)) return -1;
  const std::size_t room = fake.room - std::min(fake.room, fake.bytes.size());
  if (room == 0) {
    errno = ENOSPC;
    return -1;
  }
  const std::size_t count = std::min({size, fake.most_per_call, room});
  fake.bytes.append(data, count);
  return static_cast<std::ptrdiff_t>(count);
}

// The runtime's seek: it moves a disk file and claims to move anything else.
inline bool runtime_seek(FakeDescriptor& fake, std::size_t to) {
  if (fake.type == HandleType::disk) fake.position = to;
  return true;
}

inline bool reposition(int fd, bool to_start) {
  FakeDescriptor& fake = FakeDescriptor::at(fd);
  if (!position_moves(fake.type)) {
    errno = ESPIPE;
    return false;
  }
  return runtime_seek(fake, to_start ? 0 : fake.position);
}

inline bool step_back(int fd, std::uint64_t count) {
  FakeDescriptor& fake = FakeDescriptor::at(fd);
  if (!position_moves(fake.type) || fake.step_back_fails || count > fake.position) {
    errno = fake.step_back_fails ? EIO : ESPIPE;
    return false;
  }
  return runtime_seek(fake, fake.position - static_cast<std::size_t>(count));
}

inline bool regular_file_size(int fd, std::uint64_t& size) {
  const FakeDescriptor& fake = FakeDescriptor::at(fd);
  size = fake.bytes.size();
  return fake.type == HandleType::disk;
}

inline bool cut_file(int fd, std::uint64_t length) {
  FakeDescriptor::at(fd).bytes.resize(static_cast<std::size_t>(length));
  return true;
}

inline void close_file(int fd) {
  ++FakeDescriptor::at(fd).closes;
}

}  // namespace fake_calls

inline constexpr DescriptorCalls kFakeCalls{&fake_calls::read_some,         &fake_calls::write_some,
                                            &fake_calls::reposition,        &fake_calls::step_back,
                                            &fake_calls::regular_file_size, &fake_calls::cut_file,
                                            &fake_calls::close_file};

}  // namespace vortelin::test_support
