// The scripted platform: records, and answers from its scripts.
#include "headless/scripted_platform.h"

#include <algorithm>
#include <stdexcept>

#include "engine/caption_chars.h"

namespace pg::headless {

namespace {

bool Exists(const std::vector<std::string>& files, const std::string& path) {
  return std::find(files.begin(), files.end(), path) != files.end();
}

}  // namespace

void ScriptedPlatform::ShowPaced(int ms) {
  pauses.push_back(ms);
  ShowStep();
}

bool ScriptedPlatform::ShowStep() {
  ++steps;
  if (onStep) onStep();
  return !landing;
}

int ScriptedPlatform::TextWidth(std::string_view utf8, int pointSize) { return CharCount(utf8) * pointSize; }

PictureLoad ScriptedPlatform::LoadBackground(const std::string& path) {
  if (!Exists(existingFiles, path)) return PictureLoad::NotFound;
  if (Exists(unreadableFiles, path)) return PictureLoad::Failed;
  background = path;
  return PictureLoad::Loaded;
}

PictureLoad ScriptedPlatform::LoadFace(int index, const std::string& path) {
  if (!path.empty() && !Exists(existingFiles, path)) return PictureLoad::NotFound;
  if (Exists(unreadableFiles, path)) return PictureLoad::Failed;
  faces[index] = path;
  return PictureLoad::Loaded;
}

void ScriptedPlatform::RunModal(Dialog dialog) {
  modalsShown.push_back(dialog);
  open_.push_back(dialog);
  if (!onModal) throw std::logic_error("a modal dialog was shown with no script to answer it");
  onModal(dialog);
  // A handler may have started a timer that closes the dialog; fire timers until it is closed.
  for (int guard = 0; std::find(open_.begin(), open_.end(), dialog) != open_.end(); ++guard) {
    if (timers.empty() || !onTimer || guard > 1000) throw std::logic_error("a modal dialog was never closed");
    onTimer(timers.begin()->first);
  }
}

void ScriptedPlatform::EndModal(Dialog dialog) {
  const auto it = std::find(open_.begin(), open_.end(), dialog);
  if (it != open_.end()) open_.erase(it);
}

MessageAnswer ScriptedPlatform::ShowMessage(std::string_view text, std::string_view title, MessageIcon,
                                            MessageButtons buttons) {
  messages.emplace_back(text);
  messageTitles.emplace_back(title);
  messageButtons.push_back(buttons);
  if (messageAnswers.empty()) return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
  const MessageAnswer answer = messageAnswers.front();
  messageAnswers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedPlatform::PickFile(std::string_view) {
  if (pickedFiles.empty()) return std::nullopt;
  auto file = pickedFiles.front();
  pickedFiles.pop_front();
  return file;
}

void ScriptedPlatform::FinishBackground() {
  // A delivery may start more work; that waits for the next call.
  std::deque<std::function<std::function<void()>()>> started;
  started.swap(backgroundWork_);
  for (auto& work : started) work()();
}

}  // namespace pg::headless
