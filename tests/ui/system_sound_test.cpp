// Which sound the menu plays: the theme's event, our own file, or nothing, and the files we ship.
#include "ui/system_sound.h"

#include <canberra.h>
#include <dlfcn.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tests/ui/test_application.h"

namespace pg::test {
namespace {

using ui::SoundChooser;
using ui::SoundSource;
using ui::SoundStep;

TEST(SystemSoundTest, EachAnswerLeadsOnOrStops) {
  struct Row {
    SoundSource tried;
    int result;
    SoundStep next;
  };
  const Row rows[] = {
      {SoundSource::ThemeEvent, CA_SUCCESS, SoundStep::Keep},
      {SoundSource::ThemeEvent, CA_ERROR_NOTFOUND, SoundStep::TryOwnFile},
      {SoundSource::ThemeEvent, CA_ERROR_NOTSUPPORTED, SoundStep::TryOwnFile},
      {SoundSource::ThemeEvent, CA_ERROR_CORRUPT, SoundStep::TryOwnFile},
      // The desktop turned event sounds off: our own must not play either.
      {SoundSource::ThemeEvent, CA_ERROR_DISABLED, SoundStep::GiveUp},
      {SoundSource::ThemeEvent, CA_ERROR_NODRIVER, SoundStep::GiveUp},
      {SoundSource::ThemeEvent, CA_ERROR_DISCONNECTED, SoundStep::GiveUp},
      {SoundSource::OwnFile, CA_SUCCESS, SoundStep::Keep},
      {SoundSource::OwnFile, CA_ERROR_NOTFOUND, SoundStep::GiveUp},
      {SoundSource::OwnFile, CA_ERROR_IO, SoundStep::GiveUp},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ui::AfterAttempt(row.tried, row.result), row.next)
        << (row.tried == SoundSource::ThemeEvent ? "theme " : "own file ") << ca_strerror(row.result);
  }
}

TEST(SystemSoundTest, TheThemeIsAskedOncePerSoundAndAFailureSilencesTheSession) {
  struct Row {
    const char* name;
    int themeAnswer;
    int fileAnswer;
    std::vector<std::string> asked;
  };
  const Row rows[] = {
      {"a theme without the events hands over to our files",
       CA_ERROR_NOTFOUND,
       CA_SUCCESS,
       {"menu-click", "/game/sounds/menu_command.wav", "/game/sounds/menu_command.wav", "menu-popup",
        "/game/sounds/menu_popup.wav"}},
      {"a theme with the events is used every time",
       CA_SUCCESS,
       CA_SUCCESS,
       {"menu-click", "menu-click", "menu-popup"}},
      // ALSA without a card answers "not found" for the theme's file and ours alike.
      {"no sound device: silent after the first try",
       CA_ERROR_NOTFOUND,
       CA_ERROR_NOTFOUND,
       {"menu-click", "/game/sounds/menu_command.wav"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> asked;
    SoundChooser chooser("/game/sounds", [&](SoundSource source, const std::string& what) {
      asked.push_back(what);
      return source == SoundSource::ThemeEvent ? row.themeAnswer : row.fileAnswer;
    });
    for (const char* sound : {"MenuCommand", "MenuCommand", "Maximize", "MenuPopup"}) chooser.Play(sound);
    EXPECT_EQ(asked, row.asked);
  }
}

// Our sounds lie in sounds/ beside the program, as plain PCM WAV files, short and quiet.
TEST(SystemSoundTest, OurSoundsShipBesideTheGame) {
  EnsureApplication();
  for (const char* name : {"menu_command.wav", "menu_popup.wav"}) {
    SCOPED_TRACE(name);
    QFile file(QCoreApplication::applicationDirPath() + "/sounds/" + name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray wav = file.readAll();
    ASSERT_GT(wav.size(), 44);
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
    EXPECT_EQ(wav.first(4), "RIFF");
    EXPECT_EQ(u32(4), static_cast<quint32>(wav.size() - 8));
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(u16(20), 1) << "PCM";
    EXPECT_EQ(u16(34), 16) << "bits per sample";
    EXPECT_EQ(wav.mid(36, 4), "data");
    const quint32 dataBytes = u32(40);
    EXPECT_EQ(dataBytes, static_cast<quint32>(wav.size() - 44));
    const double seconds = static_cast<double>(dataBytes) / u32(28);
    EXPECT_GT(seconds, 0.02);
    EXPECT_LT(seconds, 0.3) << "heard on every hover: brief";
    int peak = 0;
    for (int at = 44; at + 1 < wav.size(); at += 2)
      peak = std::max(peak, std::abs(qFromLittleEndian<qint16>(wav.constData() + at)));
    EXPECT_GT(peak, 3000) << "audible";
    EXPECT_LT(peak, 16384) << "soft: under half of full scale";
  }
}

// What `run` writes to stderr, whether through stdio or straight to the descriptor.
std::string StderrOf(const std::function<void()>& run) {
  std::fflush(stderr);
  FILE* capture = std::tmpfile();
  const int saved = ::dup(STDERR_FILENO);
  ::dup2(::fileno(capture), STDERR_FILENO);
  run();
  std::fflush(stderr);
  ::dup2(saved, STDERR_FILENO);
  ::close(saved);
  std::rewind(capture);
  std::string text;
  for (int c = std::fgetc(capture); c != EOF; c = std::fgetc(capture)) text += static_cast<char>(c);
  std::fclose(capture);
  return text;
}

// ALSA reports an unknown device on any machine, with a sound card or without one.
TEST(SystemSoundTest, AlsaKeepsQuietOnTheTerminal) {
  void* alsa = ::dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
  if (!alsa) GTEST_SKIP() << "no ALSA here";
  using SetHandler = int (*)(void*);
  using OpenPcm = int (*)(void** pcm, const char* name, int stream, int mode);
  const auto setHandler = reinterpret_cast<SetHandler>(::dlsym(alsa, "snd_lib_error_set_handler"));
  const auto openPcm = reinterpret_cast<OpenPcm>(::dlsym(alsa, "snd_pcm_open"));
  ASSERT_TRUE(setHandler && openPcm);
  const auto openUnknown = [&] {
    void* pcm = nullptr;
    EXPECT_LT(openPcm(&pcm, "petalgame-no-such-device", 0, 0), 0);
  };
  setHandler(nullptr);
  EXPECT_NE(StderrOf(openUnknown), "") << "ALSA's own handler prints: the capture works";
  ui::SilenceAlsaErrors();
  EXPECT_EQ(StderrOf(openUnknown), "");
  EnsureApplication();
  EXPECT_EQ(StderrOf([] {
              ui::PlaySystemSound("MenuCommand");
              ui::PlaySystemSound("MenuPopup");
            }),
            "");
  ::dlclose(alsa);
}

}  // namespace
}  // namespace pg::test
