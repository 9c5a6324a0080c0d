#include "text/console_signals.hpp"

#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "text/out_channel.hpp"

namespace vortelin {

namespace {

// The handlers' only view of the run: the channels to save. Written with
// signals held, read by the handler.
std::array<std::atomic<const OutChannel*>, 4> watched{};

void write_all(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t put = ::write(fd, data, size);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return;
    data += put;
    size -= static_cast<std::size_t>(put);
  }
}

// Async-signal-safe: write(2), close(2), _exit(2) and abort(3) only.
extern "C" void end_on_signal(int number) {
  std::string_view message = "Killed\r\n";
  if (number == SIGINT) message = "Interrupt\r\n";
  if (number == SIGFPE) message = "Floating Exception\r\n";
  write_all(STDERR_FILENO, message.data(), message.size());
  for (const auto& slot : watched) {
    const OutChannel* channel = slot.load(std::memory_order_relaxed);
    if (channel == nullptr || channel->fd() < 0) continue;
    write_all(channel->fd(), channel->data(), channel->committed());
    ::close(channel->fd());
  }
  if (number == SIGFPE) std::abort();
  ::_exit(1);
}

sigset_t console_signal_set() {
  sigset_t set;
  sigemptyset(&set);
  for (const int number : {SIGINT, SIGTERM, SIGHUP, SIGFPE}) sigaddset(&set, number);
  return set;
}

}  // namespace

void install_console_signals() {
  struct sigaction action {};
  action.sa_handler = end_on_signal;
  action.sa_mask = console_signal_set();
  for (const int number : {SIGINT, SIGTERM, SIGHUP, SIGFPE}) sigaction(number, &action, nullptr);
  ::signal(SIGPIPE, SIG_IGN);
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

ConsoleSignalsHeld::ConsoleSignalsHeld() : saved_() {
  const sigset_t set = console_signal_set();
  sigprocmask(SIG_BLOCK, &set, &saved_);
}

ConsoleSignalsHeld::~ConsoleSignalsHeld() {
  sigprocmask(SIG_SETMASK, &saved_, nullptr);
}

}  // namespace vortelin
