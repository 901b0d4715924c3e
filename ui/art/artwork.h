// Every picture of the game outside the card sheet: faces, plates, title, menu buttons, cursor, icon.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace pg::ui {

enum class MenuPicture { Play, End, Option, Rule, HiScore, Help, Info, Record, Deal };

// 68 x 68 built-in faces: 0 the computer's, 1 the player's.
QPixmap FacePicture(int index, qreal dpr);
// 84 x 36 plate behind a match total; the label sits at +16,+8 inside it.
QPixmap ScorePlate(qreal dpr);
// 64 x 32 plate reading 「　月」; the month number goes at +8,+8.
QPixmap MonthPlate(qreal dpr);
// 18 x 18 mark reading 親.
QPixmap DealerMark(qreal dpr);
// 480 x 256 title: the game's name over a fan of cards.
QPixmap TitlePicture(qreal dpr);
// 212 x 80 version banner.
QPixmap VersionPicture(qreal dpr);
// 72 x 40 menu button with its Japanese label; 成績 is 44 wide.
QPixmap MenuButtonPicture(MenuPicture which, qreal dpr);
// From now on the menu buttons and the version banner carry English words (the pictures named *_en).
void LetterInEnglish();
// A picture from a file fitted into a side x side square, kept in proportion, at the screen's
// ratio so it is as sharp as the file allows.
QPixmap FitInSquare(const QPixmap& picture, int side, qreal dpr);
// Pointer shown over cards that can be clicked.
QCursor CardCursor();
QIcon AppIcon();

}  // namespace pg::ui
