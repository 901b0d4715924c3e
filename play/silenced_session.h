// The session's settings that a replay or the lesson sets aside while it holds the table.
#pragma once

#include <filesystem>

#include "engine/game.h"
#include "engine/options.h"
#include "engine/rule_settings.h"

namespace pg {

class SilencedSession {
 public:
  // Keeps the settings and silences the session: nothing shown reaches the watcher or the records
  // (without the status file a match's end keeps none), and no hint is shown, a search still
  // running for the table left behind being dropped.
  explicit SilencedSession(Game& game);
  // Puts the settings back as they were kept, and asks again for badges dropped while they were
  // still being worked out.
  void GiveBack(Game& game) const;
  const std::filesystem::path& StatusPath() const { return statusPath_; }

 private:
  GameObserver* observer_ = nullptr;
  std::filesystem::path statusPath_;
  bool hints_ = false;
  RuleControls rules_;
  OptionControls options_;
};

}  // namespace pg
