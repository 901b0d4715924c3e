#include "ui/end_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <utility>

namespace pg::ui {

namespace {

constexpr std::array kEndSignals = {SIGTERM, SIGHUP, SIGINT};

// The handler may only write: the byte wakes the window's thread, which does the rest.
std::array<int, 2> wakeSockets = {-1, -1};

void WakeWindowThread(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(wakeSockets[0], &byte, 1);
}

}  // namespace

EndSignals::EndSignals(std::function<void()> ended) : ended_(std::move(ended)) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, wakeSockets.data()) != 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(wakeSockets[1], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &EndSignals::Arrived);
  struct sigaction action = {};
  action.sa_handler = WakeWindowThread;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kEndSignals) ::sigaction(signal, &action, nullptr);
}

EndSignals::~EndSignals() {
  if (!notifier_) return;
  for (const int signal : kEndSignals) std::signal(signal, SIG_DFL);
  notifier_.reset();
  for (int& socket : wakeSockets) {
    ::close(socket);
    socket = -1;
  }
}

void EndSignals::Arrived() {
  char bytes[16];
  while (::read(wakeSockets[1], bytes, sizeof bytes) > 0) {
  }
  if (ended_) ended_();
}

}  // namespace pg::ui
