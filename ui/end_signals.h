// The signals that end a program from outside it: SIGTERM (a shutdown, a desktop without a session
// manager, `kill`), SIGHUP (its terminal closed) and SIGINT (Ctrl+C in that terminal). Each is
// turned into a call on the window's thread, so the game can keep its match before it goes.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace pg::ui {

class EndSignals : public QObject {
 public:
  // `ended` runs on the window's thread once for each signal that arrives while this lives.
  explicit EndSignals(std::function<void()> ended);
  ~EndSignals() override;
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

 private:
  void Arrived();

  std::function<void()> ended_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace pg::ui
