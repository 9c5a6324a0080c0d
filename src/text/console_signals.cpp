#include "text/console_signals.hpp"

#include <array>
#include <atomic>
#include <cerrno>
#include <string_view>

#include "platform/platform.hpp"
#include "text/out_channel.hpp"

namespace vortelin {

namespace {

// The handlers' only view of the run: the channels to save. Written with
// signals held, read by the handler.
std::array<std::atomic<const OutChannel*>, 4> watched{};

void write_all(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const std::ptrdiff_t put = write_some(fd, data, size);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return;
    data += put;
    size -= static_cast<std::size_t>(put);
  }
}

// Async-signal-safe: plain writes and ending the process only. Ending the
// process closes the files.
void end_on_signal(ConsoleSignal which) noexcept {
  std::string_view message = "Killed\r\n";
  if (which == ConsoleSignal::interrupt) message = "Interrupt\r\n";
  if (which == ConsoleSignal::floating_point) message = "Floating Exception\r\n";
  write_all(kStandardError, message.data(), message.size());
  for (const auto& slot : watched) {
    const OutChannel* channel = slot.load(std::memory_order_relaxed);
    if (channel == nullptr || channel->fd() < 0) continue;
    write_all(channel->fd(), channel->data(), channel->committed());
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
