// A shutdown, `kill` or a closed terminal reaches the game on the window's thread, once a signal,
// and only while the game listens; after that the signal's default action is back.
#include "ui/end_signals.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "tests/ui/test_application.h"

namespace pg::test {
namespace {

int CallsAfter(int signal, int& calls) {
  ::raise(signal);
  QElapsedTimer waited;
  waited.start();
  while (calls == 0 && waited.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  return calls;
}

TEST(EndSignalsTest, EachEndingSignalCallsTheGameOnItsOwnThreadWhileItListens) {
  EnsureApplication();
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
    int calls = 0;
    {
      const ui::EndSignals listening([&calls] { ++calls; });
      EXPECT_EQ(CallsAfter(signal, calls), 1) << "signal " << signal;
    }
    struct sigaction now = {};
    ::sigaction(signal, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL) << "signal " << signal;
  }
}

}  // namespace
}  // namespace pg::test
