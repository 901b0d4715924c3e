// The options dialog 「オプション」: faces, the yaku display, the screen mode, the wallpaper and the
// card speed, each taking effect at once.
#pragma once

#include "records/player_text.h"

namespace pg {

struct Game;

// The file picker's filter: every picture format the dialog offers, PNG among them.
inline constexpr const char* kPictureFilter =
    PG_TEXT("すべてのﾋﾟｸﾁｬﾌｧｲﾙ|*.bmp;*.dib;*.gif;*.jpg;*.png;*.wmf;*.emf;*.ico;*.cur|ﾋﾞｯﾄﾏｯﾌﾟ(*.bmp;*.dib)|*.bmp;*.dib|"
            "GIFｲﾒｰｼﾞ(*.gif)|*.gif|JPEGｲﾒｰｼﾞ(*.jpg)|*.jpg|PNGｲﾒｰｼﾞ(*.png)|*.png|ﾒﾀﾌｧｲﾙ(*.wmf;*.emf)|*.wmf;*.emf|"
            "ｱｲｺﾝ(*.ico;*.cur)|*.ico;*.cur");

// The menu command.
void MenuOption(Game& game);
void FormOptionActivate(Game& game);
// "OK" and the close box: back to the directory the dialog was opened in, then hidden.
void OCommandClick(const Game& game);
// A face clicked: the left button picks a file, the right goes back to the built-in face.
void FaceMouseUp(Game& game, int index, bool leftButton);
void DekiYakuFocus(Game& game, int index);
void SOptionFocus(Game& game, int index);
void WallFocus(Game& game, int index);
// 「参照」: picks a wallpaper file and applies it as その他.
void WCommandClick(Game& game);
void WFileNameLostFocus(Game& game);
void SliderChange(Game& game, int value);

}  // namespace pg
