// Console signals: an interrupt, a termination request or a floating-point
// exception ends the run, after the whole lines written so far are saved.
#pragma once

namespace vortelin {

class OutChannel;

// Installs the handlers: an interrupt writes "Interrupt", a termination request
// (or a closed console) "Killed", each saves every watched channel's committed
// lines and exits with status 1; a floating-point exception writes "Floating
// Exception", saves them too and aborts. A broken pipe becomes a failed write.
void install_console_signals();

// Channels whose committed lines the handlers save, and whose tables they cut
// to their whole lines. At most four are watched at a time.
void watch_output(const OutChannel* channel);
void unwatch_output(const OutChannel* channel);

// Holds the console signals back while in scope, so a handler never sees a
// channel halfway through writing out its buffer.
class ConsoleSignalsHeld {
 public:
  ConsoleSignalsHeld();
  ~ConsoleSignalsHeld();
  ConsoleSignalsHeld(const ConsoleSignalsHeld&) = delete;
  ConsoleSignalsHeld& operator=(const ConsoleSignalsHeld&) = delete;
};

}  // namespace vortelin
