// The menu's system sounds: the desktop's sound theme first, the game's own files where it has none.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace pg::ui {

// Plays "MenuCommand" or "MenuPopup" without waiting for it; any other name, or a machine without
// sound, stays silent.
void PlaySystemSound(std::string_view name);

// ALSA, which libcanberra may load to play, reports each failure of a machine without a sound card
// on stderr, where a player who started the game from a terminal takes them for the game's faults.
// Turns those reports off for the process; does nothing where ALSA is not installed.
void SilenceAlsaErrors();

// Where one sound is taken from.
enum class SoundSource { ThemeEvent, OwnFile };
enum class SoundStep { Keep, TryOwnFile, GiveUp };

// What follows libcanberra's answer (a CA_ value) to one attempt: a theme that lacks the event, or
// holds it in a form it cannot play, hands over to our own file; a refusal or a missing device
// silences the game for the session.
SoundStep AfterAttempt(SoundSource tried, int result);

// Remembers per sound which source works, so the theme is asked once per sound and a failing
// device once per session.
class SoundChooser {
 public:
  // Plays an event id or a file path and returns libcanberra's answer.
  using Attempt = std::function<int(SoundSource source, const std::string& what)>;

  SoundChooser(std::string ownSoundDir, Attempt attempt);

  void Play(std::string_view name);

 private:
  std::string ownSoundDir_;
  Attempt attempt_;
  std::map<std::string, SoundSource, std::less<>> sources_;
  bool silenced_ = false;
};

}  // namespace pg::ui
