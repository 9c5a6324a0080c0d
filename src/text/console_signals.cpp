#include "text/console_signals.hpp"

#include <array>
#include <atomic>
#include <cassert>
#include <cerrno>
#include <string_view>

#include "platform/platform.hpp"
#include "text/out_channel.hpp"

namespace vortelin {

namespace {

// The handlers' only view of the run: the channels to save. Written with
// signals held, read by the handler.
std::array<std::atomic<const OutChannel*>, 4> watched{};

// Returns how many bytes went out.
std::size_t write_all(const DescriptorCalls& calls, int fd, const char* data, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const std::ptrdiff_t put = calls.write_some(fd, data + done, size - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) break;
    done += static_cast<std::size_t>(put);
  }
  return done;
}

// Writes out a channel's committed lines; a table is then cut to its whole
// lines, as at the end of a run.
void save(const OutChannel& channel) noexcept {
  const DescriptorCalls& calls = channel.calls();
  const std::size_t put = write_all(calls, channel.fd(), channel.data(), channel.committed());
  if (!channel.owned()) return;
  std::uint64_t length = channel.kept();
  if (channel.written() == length) {
    for (std::size_t i = put; i > 0; --i) {
      if (channel.data()[i - 1] == '\n') {
        length += i;
        break;
      }
    }
  }
  calls.cut_file(channel.fd(), length);
}

// Async-signal-safe: plain writes, cutting files and ending the process only.
// Ending the process closes the files.
void end_on_signal(ConsoleSignal which) noexcept {
  std::string_view message = "Killed\r\n";
  if (which == ConsoleSignal::interrupt) message = "Interrupt\r\n";
  if (which == ConsoleSignal::floating_point) message = "Floating Exception\r\n";
  write_all(kSystemCalls, kStandardError, message.data(), message.size());
  // Watched in the order they were opened: the console, then the tables in
  // the order a normal end closes them.
  for (const auto& slot : watched) {
    const OutChannel* channel = slot.load(std::memory_order_relaxed);
    if (channel != nullptr && channel->fd() >= 0) save(*channel);
  }
  if (which == ConsoleSignal::floating_point) end_process_abnormally();
  end_process(1);
}

}  // namespace

void install_console_signals() {
  install_console_handler(end_on_signal);
}

void watch_output(const OutChannel* channel) {
  ConsoleSignalsHeld held;
  for (auto& slot : watched) {
    if (slot.load() == nullptr) {
      slot.store(channel);
      return;
    }
  }
  assert(false && "more output channels open than the signal handlers watch");
}

void unwatch_output(const OutChannel* channel) {
  ConsoleSignalsHeld held;
  for (auto& slot : watched) {
    if (slot.load() == channel) slot.store(nullptr);
  }
}

ConsoleSignalsHeld::ConsoleSignalsHeld() {
  hold_console_signals();
}

ConsoleSignalsHeld::~ConsoleSignalsHeld() {
  release_console_signals();
}

}  // namespace vortelin
