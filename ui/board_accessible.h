// The table and the menu's picture buttons for a screen reader: the cards, labels and signs the view
// draws become children with names and roles, and the game's sentences are spoken as they come.
#pragma once

class QString;

namespace pg::ui {

class BoardView;

// Once, before the first window is shown.
void InstallAccessibility();
// A sentence for the screen reader, told through the table's notice child.
void AnnounceOnTable(BoardView* view, const QString& text);

}  // namespace pg::ui
