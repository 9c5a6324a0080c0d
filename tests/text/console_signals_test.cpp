#include "text/console_signals.hpp"

#include <gtest/gtest.h>
#include <signal.h>

#include <optional>

namespace vortelin {
namespace {

bool blocked(int number) {
  sigset_t now;
  sigprocmask(SIG_SETMASK, nullptr, &now);
  return sigismember(&now, number) == 1;
}

// Holds nest: only the outermost release lets the signals through again, and
// it restores the mask from before, so a signal blocked by the caller stays so.
TEST(ConsoleSignalsHeld, NestedHoldsReleaseAtTheOutermost) {
  for (const bool blocked_before : {false, true}) {
    SCOPED_TRACE(blocked_before ? "SIGTERM blocked before" : "nothing blocked before");
    sigset_t term;
    sigemptyset(&term);
    sigaddset(&term, SIGTERM);
    sigset_t saved;
    sigprocmask(blocked_before ? SIG_BLOCK : SIG_UNBLOCK, &term, &saved);
    {
      std::optional<ConsoleSignalsHeld> outer(std::in_place);
      {
        const ConsoleSignalsHeld inner;
        EXPECT_TRUE(blocked(SIGINT));
      }
      EXPECT_TRUE(blocked(SIGINT));
      EXPECT_TRUE(blocked(SIGTERM));
      outer.reset();
      EXPECT_FALSE(blocked(SIGINT));
      EXPECT_EQ(blocked(SIGTERM), blocked_before);
    }
    sigprocmask(SIG_SETMASK, &saved, nullptr);
  }
}

}  // namespace
}  // namespace vortelin
