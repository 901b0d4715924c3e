// Each step is shown in the order the rules recorded it, so a watcher hears of a capture while the
// board still shows the card where it was taken.
#include "play/show_play.h"

#include "engine/animation.h"
#include "engine/game.h"

namespace pg {

void ShowPlay(Game& game, const PlaySteps& steps) {
  for (const PlayStep& step : steps) {
    switch (step.kind) {
      case PlayStep::Kind::FaceUp:
        game.board.Card.at(step.pic).cell = static_cast<std::int16_t>(CellOf(step.code));
        break;
      case PlayStep::Kind::Fly:
        MoveCard(game, step.pic, step.from.x, step.from.y, step.to.x, step.to.y, game.options.Slider);
        break;
      case PlayStep::Kind::Place: {
        CardPicture& picture = game.board.Card.at(step.pic);
        picture.left = step.to.x;
        picture.top = step.to.y;
        break;
      }
      case PlayStep::Kind::Captured:
        game.Notify(&GameObserver::Captured, step.side, step.code);
        break;
      case PlayStep::Kind::Finished:
        game.Notify(&GameObserver::PlayFinished, step.code);
        break;
    }
  }
}

}  // namespace pg
