// The options dialog's handlers. The display mode applies to the progress labels at once only while
// a month is played; between months the next refresh shows it.
#include "play/option_dialog.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "engine/game.h"
#include "play/menu.h"
#include "play/screen_mode.h"
#include "records/status_codec.h"
#include "rules/yaku.h"
#include "records/player_text.h"

namespace pg {

namespace {

void ShowLabelsAsTheModeSays(Game& game) {
  const YakuDisplay display = game.options.DekiYaku;
  for (Label& label : game.board.YakuState) {
    if (display == YakuDisplay::Never) {
      label.visible = false;
    } else {
      ShowProgressLabel(label, display);
    }
  }
  if (display == YakuDisplay::Never) return;
  for (int side = 0; side < 2; ++side) {
    if (!game.rules.HanamiOn()) game.board.YakuLabel(side, YakuGroup::Hanami).visible = false;
    if (!game.rules.TsukimiOn()) game.board.YakuLabel(side, YakuGroup::Tsukimi).visible = false;
  }
}

// A name a save cannot store (too long for the record, or not CP932) shows now but is gone at the
// next start: the player hears of it when it is chosen, once per name.
void ReportNamesThatCannotBeSaved(Game& game) {
  OptionControls& options = game.options;
  OptionSettings names;
  names.WallFile = options.WFileName;
  names.FaceFile0 = options.FFileName[0];
  names.FaceFile1 = options.FFileName[1];
  const std::array<bool, 3> kept = KeptOptionTexts(names);
  const std::string* const current[3] = {&names.WallFile, &names.FaceFile0, &names.FaceFile1};
  for (std::size_t i = 0; i < 3; ++i) {
    std::string& reported = options.unsavedNamesReported[i];
    if (kept[i]) {
      reported.clear();
    } else if (*current[i] != reported) {
      reported = *current[i];
      game.platform.ShowMessage(Tr("このファイル名は保存できないため、次に起動したときには使われません。") + "\n" + reported,
                                Tr("オプション"), MessageIcon::Exclamation, MessageButtons::Ok);
    }
  }
}

}  // namespace

void MenuOption(Game& game) {
  game.options.JudgeMode = game.table.Phase;
  ShowMenuDialog(game, Dialog::Option);
}

void FormOptionActivate(Game& game) {
  std::error_code error;
  std::string directory = std::filesystem::current_path(error).string();
  if (error) return;
  if (!directory.ends_with('/')) directory += '/';
  game.options.directory = directory;
}

void OCommandClick(const Game& game) {
  // A file picker may have moved the current directory; wall1.bmp and its sisters live in this one.
  std::error_code ignored;
  if (!game.options.directory.empty()) std::filesystem::current_path(game.options.directory, ignored);
  game.platform.EndModal(Dialog::Option);
}

void FaceMouseUp(Game& game, int index, bool leftButton) {
  if (leftButton) {
    const std::optional<std::string> file = game.platform.PickFile(Tr(kPictureFilter));
    if (!file) return;
    game.options.FFileName[index] = *file;
    FacePaint(game, index);
    ReportNamesThatCannotBeSaved(game);
  } else if (!ShowsBuiltInFace(game, index)) {
    game.options.FFileName[index] = "Original";
    FacePaint(game, index);
  }
}

void DekiYakuFocus(Game& game, int index) {
  game.options.DekiYaku = static_cast<YakuDisplay>(std::clamp(index, 0, 2));
  if (MonthInPlay(game)) ShowLabelsAsTheModeSays(game);
}

void SOptionFocus(Game& game, int index) {
  if (index == 1 && !game.options.SOption1Enabled) return;
  game.options.SOption = static_cast<std::int16_t>(index == 0 ? 0 : 1);
  // Choosing the mode already in effect lays nothing out again.
  if (game.SmallScreen() != (index == 0)) ChangeScreen(game);
}

void WallFocus(Game& game, int index) {
  game.options.Wall = static_cast<std::int16_t>(std::clamp(index, 0, 3));
  WallPaint(game, game.options.Wall);
  if (game.options.Wall == 3) ReportNamesThatCannotBeSaved(game);
}

void WCommandClick(Game& game) {
  const std::optional<std::string> file = game.platform.PickFile(Tr(kPictureFilter));
  if (!file) return;
  game.options.WFileName = *file;
  WallFocus(game, 3);
}

// Typing a file name applies it when その他 is the wallpaper chosen; while a built-in wallpaper is
// chosen the name waits until その他 is.
void WFileNameLostFocus(Game& game) {
  if (game.options.Wall == 3) WallPaint(game, 3);
  ReportNamesThatCannotBeSaved(game);
}

void SliderChange(Game& game, int value) {
  game.options.Slider = static_cast<std::int16_t>(std::clamp<int>(value, kSliderMin, kSliderMax));
}

}  // namespace pg
