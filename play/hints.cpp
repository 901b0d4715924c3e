// A search is started for the choice on the table and its result checked on delivery: a click
// taken meanwhile has raised the generation, and the badges it would show are dropped.
#include "play/hints.h"

#include <optional>
#include <string>
#include <vector>

#include "computer/advisor.h"
#include "computer/table_view.h"
#include "engine/game.h"
#include "engine/geometry.h"
#include "model/cards.h"
#include "play/level_setting.h"
#include "records/settings_file.h"
#include "records/player_text.h"

namespace pg {

namespace {

// What the advisor is asked: the player's choice as the model sees it from the player's seat.
struct HintRequest {
  model::State state;
  std::optional<std::uint8_t> playedCard;
};

std::optional<HintRequest> RequestFor(const Game& game) {
  const TableState& t = game.table;
  switch (t.Phase) {
    case Phase::PlayerToPlay:
      if (t.HandLeft == 0) return std::nullopt;
      return HintRequest{SeatState(t, game.rules, kPlayerSide, model::Stage::Play, 0), std::nullopt};
    case Phase::HandChoice: {
      // Nothing has moved yet but the count: the played card is still in its slot.
      TableState before = t;
      ++before.HandLeft;
      const int slot = t.PlayedSlot;
      if (slot < 0 || slot >= kHandSlots) return std::nullopt;
      const std::uint8_t played = model::CardOrNone(t.HandCard[0][static_cast<std::size_t>(slot)].code);
      if (played == model::kNoCard) return std::nullopt;
      return HintRequest{SeatState(before, game.rules, kPlayerSide, model::Stage::Play, 0), played};
    }
    case Phase::StockChoice:
      return HintRequest{SeatState(t, game.rules, kPlayerSide, model::Stage::StockChoice,
                                   (t.Taken[0] & model::kAllCards) & ~game.takenAtTurnStart),
                         std::nullopt};
    default:
      return std::nullopt;
  }
}

// Where the card lies that the badge stands for: a hand slot of the player, or a table slot.
std::optional<Point> CardPlace(const TableState& t, std::uint8_t card, bool onTable) {
  if (onTable) {
    for (int s = 0; s < t.FieldCount && s < kTableSlots; ++s) {
      if (model::CardOrNone(t.FieldCard[static_cast<std::size_t>(s)].code) == card) return TableSlotPosition(t, s);
    }
    return std::nullopt;
  }
  for (int k = 0; k < CardsInHand(t, 0) && k < kHandSlots; ++k) {
    if (model::CardOrNone(t.HandCard[0][static_cast<std::size_t>(k)].code) == card) return HandSlotPosition(t, 0, k);
  }
  return std::nullopt;
}

void ShowBadges(Game& game, const std::vector<computer::CardChance>& cards) {
  const bool onTable = game.table.Phase != Phase::PlayerToPlay;
  std::size_t next = 0;
  for (const computer::CardChance& card : cards) {
    const std::optional<Point> place = CardPlace(game.table, card.card, onTable);
    if (!place || next == game.board.badges.size()) continue;
    Badge& badge = game.board.badges[next++];
    const Point at = BadgePosition(*place);
    badge = {std::to_string(computer::Percent(card.chance)) + "%", at.x, at.y, card.best, true};
  }
  if (next > 0) game.assisted = true;
  game.platform.Redraw();
}

}  // namespace

void DropHints(Game& game) {
  ++game.hintGeneration;
  game.log.hintsDrewFrom.reset();
  for (Badge& badge : game.board.badges) badge.visible = false;
}

void RefreshHints(Game& game) {
  DropHints(game);
  if (game.table.Phase == Phase::PlayerToPlay) game.takenAtTurnStart = game.table.Taken[0] & model::kAllCards;
  if (!game.HintsOn()) return;
  const std::optional<HintRequest> request = RequestFor(game);
  if (!request) return;
  // Drawn here, on the core's thread, so the order of the advisor's seeds is the order of the choices.
  game.log.hintsDrewFrom = game.adviceRandom.State();
  const auto seed = static_cast<std::uint64_t>(game.adviceRandom.Uniform() * 0x1.0p53);
  const std::uint32_t generation = game.hintGeneration;
  game.platform.RunInBackground([&game, request = *request, seed, generation]() -> std::function<void()> {
    const std::vector<computer::CardChance> cards =
        computer::CardChances(request.state, seed, {computer::kAdvisorIterations}, request.playedCard);
    return [&game, cards, generation] {
      if (generation == game.hintGeneration) ShowBadges(game, cards);
    };
  });
}

void SetHints(Game& game, bool on) {
  if (game.hints == on) return;
  game.hints = on;
  RefreshHints(game);
  SaveSettingLine(game, kHintsSetting, SwitchValue(on), PG_TEXT("ヒントの設定"));
}

}  // namespace pg
