// Menu sounds through libcanberra: events of the desktop's sound theme, else the game's own WAVs.
#include "ui/system_sound.h"

#include <canberra.h>
#include <dlfcn.h>

#include <QLoggingCategory>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <utility>

#include "ui/user_data.h"

namespace pg::ui {

namespace {

// QT_LOGGING_RULES="petalgame.sound.debug=true" tells why the menu stays silent.
Q_LOGGING_CATEGORY(soundLog, "petalgame.sound", QtInfoMsg)

// ALSA's error handler type: where the report comes from, the error, then a printf format.
using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int error, const char* format, ...);

void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

struct MenuSound {
  std::string_view name;
  // The names the freedesktop sound theme gives a menu item chosen and a menu popping up.
  const char* themeEvent;
  const char* ownFile;
};

constexpr std::array kSounds = {
    MenuSound{"MenuCommand", "menu-click", "menu_command.wav"},
    MenuSound{"MenuPopup", "menu-popup", "menu_popup.wav"},
};

// A stuck settings tool must not hold up the first hover for long.
constexpr int kSettingsWaitMs = 300;

// Without a theme name libcanberra looks only in the "freedesktop" theme. GNOME and the desktops
// built on its settings keep the name there; GTK's own file serves most others.
QString DesktopSoundTheme() {
  const QString gsettings = QStandardPaths::findExecutable("gsettings");
  if (!gsettings.isEmpty()) {
    QProcess process;
    process.start(gsettings, {"get", "org.gnome.desktop.sound", "theme-name"});
    if (process.waitForFinished(kSettingsWaitMs) && process.exitCode() == 0) {
      QString name = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
      name.remove('\'');
      if (!name.isEmpty()) return name;
    }
  }
  const QSettings gtk(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/gtk-3.0/settings.ini",
                      QSettings::IniFormat);
  return gtk.value("Settings/gtk-sound-theme-name").toString();
}

// One libcanberra context for the session, opened on the first sound.
class Canberra {
 public:
  Canberra() {
    SilenceAlsaErrors();
    state_ = ca_context_create(&context_);
    if (state_ != CA_SUCCESS) return;
    const QByteArray theme = DesktopSoundTheme().toUtf8();
    ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Petalgame 32", CA_PROP_APPLICATION_ID, "petalgame32",
                            nullptr);
    if (!theme.isEmpty())
      ca_context_change_props(context_, CA_PROP_CANBERRA_XDG_THEME_NAME, theme.constData(), nullptr);
    state_ = ca_context_open(context_);
  }
  ~Canberra() {
    if (context_) ca_context_destroy(context_);
  }
  Canberra(const Canberra&) = delete;
  Canberra& operator=(const Canberra&) = delete;

  // Returns once playing has started, or with the reason it cannot.
  int Play(SoundSource source, const std::string& what) {
    if (state_ != CA_SUCCESS) return state_;
    return ca_context_play(context_, 0, source == SoundSource::ThemeEvent ? CA_PROP_EVENT_ID : CA_PROP_MEDIA_FILENAME,
                           what.c_str(), nullptr);
  }

 private:
  ca_context* context_ = nullptr;
  int state_ = CA_SUCCESS;
};

}  // namespace

// The game does not link ALSA: libcanberra's back end loads it at run time. Loading it here by its
// soname reaches the same library, and so the same handler, as the back end will.
void SilenceAlsaErrors() {
  void* alsa = ::dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
  if (!alsa) return;
  using SetHandler = int (*)(AlsaErrorHandler);
  if (auto set = reinterpret_cast<SetHandler>(::dlsym(alsa, "snd_lib_error_set_handler"))) set(&IgnoreAlsaError);
  // The library stays loaded: the handler lives in it.
}

SoundStep AfterAttempt(SoundSource tried, int result) {
  if (result == CA_SUCCESS) return SoundStep::Keep;
  if (tried == SoundSource::OwnFile) return SoundStep::GiveUp;
  switch (result) {
    // ALSA without a sound card also answers "not found"; our own file then fails too and ends it.
    case CA_ERROR_NOTFOUND:
    case CA_ERROR_NOTSUPPORTED:
    case CA_ERROR_CORRUPT:
      return SoundStep::TryOwnFile;
    default:
      return SoundStep::GiveUp;
  }
}

SoundChooser::SoundChooser(std::string ownSoundDir, Attempt attempt)
    : ownSoundDir_(std::move(ownSoundDir)), attempt_(std::move(attempt)) {}

void SoundChooser::Play(std::string_view name) {
  const auto sound = std::find_if(kSounds.begin(), kSounds.end(), [&](const MenuSound& s) { return s.name == name; });
  if (silenced_ || sound == kSounds.end()) return;
  SoundSource& source = sources_.try_emplace(std::string(name), SoundSource::ThemeEvent).first->second;
  for (;;) {
    const std::string what =
        source == SoundSource::ThemeEvent ? std::string(sound->themeEvent) : ownSoundDir_ + "/" + sound->ownFile;
    const int result = attempt_(source, what);
    switch (AfterAttempt(source, result)) {
      case SoundStep::Keep:
        return;
      case SoundStep::TryOwnFile:
        source = SoundSource::OwnFile;
        break;
      case SoundStep::GiveUp:
        qCDebug(soundLog, "menu sounds off for this session: libcanberra could not play %s: %s", what.c_str(),
                ca_strerror(result));
        silenced_ = true;
        return;
    }
  }
}

void PlaySystemSound(std::string_view name) {
  static Canberra canberra;
  // Without a sounds folder the own files fail like missing ones, and the game goes quiet.
  static SoundChooser chooser(FindInFolders(DataFolders(), "sounds").toStdString(),
                              [](SoundSource source, const std::string& what) { return canberra.Play(source, what); });
  chooser.Play(name);
}

}  // namespace pg::ui
