// The lesson's steps on the table: each waits for its taught click, refuses others, and goes on.
#include "play/lesson.h"

#include <algorithm>
#include <utility>

#include "play/arranged_deal.h"
#include "play/hints.h"
#include "play/lesson_script.h"
#include "play/level_setting.h"
#include "play/pointer.h"
#include "play/setup.h"
#include "play/silent_platform.h"
#include "play/table_signs.h"
#include "play/turn_driver.h"
#include "records/settings_file.h"
#include "records/player_text.h"

namespace pg {

namespace {

constexpr const char* kLessonName = PG_TEXT("はじめてのこいこい");
constexpr const char* kLessonOver = PG_TEXT("これでレッスンはおわりです。");
constexpr const char* kOverRefusal = PG_TEXT("レッスンはここまでです。「レッスンをやめる」で、ふだんの対戦に戻ります。");
constexpr const char* kNotACard = PG_TEXT("札ではなく、場の札のないところをクリックします。");
constexpr const char* kHandFirst = PG_TEXT("場の札は、手札を出して取ります。まず下の段の光っている札をクリックします。");
constexpr const char* kFramedOnly = PG_TEXT("枠で囲まれた2枚のうち、光っている札をクリックします。");
constexpr const char* kClickMarked = PG_TEXT("光っている札をクリックします。");
constexpr const char* kNoMatch = PG_TEXT("この札は場の札と月が合いません。");
// The win dialog's second button is the player's 勝負.
constexpr int kShoubuButton = 1;

int StepCount() { return static_cast<int>(LessonSteps().size()); }

// Card(i) shows deck place i for the whole month.
std::optional<int> PictureOf(const Game& game, const std::string& text) {
  const CardCode code = CardCode::FromText(text);
  for (int i = 0; i < kCardCount; ++i) {
    if (game.table.Deck[static_cast<std::size_t>(i)] == code) return i;
  }
  return std::nullopt;
}

bool InPlayerHand(const Game& game, const std::string& text) {
  const CardCode code = CardCode::FromText(text);
  const auto& hand = game.table.HandCard[0];
  return std::any_of(hand.begin(), hand.end(), [&](const Slot& slot) { return slot.code == code; });
}

// The computer's hand cards of the deal, played in order.
void ScriptComputer(Game& game, const LessonDeal& deal) {
  game.scriptedComputerCards.clear();
  for (const std::string& card : deal.computerPlays) game.scriptedComputerCards.push_back(CardCode::FromText(card));
}

void Deal(Game& game, const LessonDeal& deal) {
  ScriptComputer(game, deal);
  DealArrangedMonth(game, deal.oya, deal.player, deal.computer, deal.table, deal.stock);
}

// The next month, when the table is clicked, is dealt from the lesson's deal, not shuffled.
void ArrangeNextMonth(Game& game, const LessonMove& move) {
  const auto& deals = LessonDeals();
  if (move.nextDeal < 0 || move.nextDeal >= static_cast<int>(deals.size())) return;
  const LessonDeal& deal = deals[static_cast<std::size_t>(move.nextDeal)];
  game.arrangedDeck = ArrangedDeck(deal.oya, deal.player, deal.computer, deal.table, deal.stock);
  ScriptComputer(game, deal);
}

// A taught move played without the pointer, as its click would play it.
void Play(Game& game, const LessonMove& move) {
  if (move.click == LessonClick::Table) {
    ArrangeNextMonth(game, move);
    Form_Click(game);
  } else if (const auto pic = PictureOf(game, move.card)) {
    Card_Click(game, *pic);
  }
}

}  // namespace

std::unique_ptr<Lesson> Lesson::Open(Game& game, int step) {
  std::unique_ptr<Lesson> lesson(new Lesson(game));
  lesson->Begin(step >= 0 && step < StepCount() ? step : 0, {});
  return lesson;
}

// Nothing of the lesson reaches the history, the high scores or STATUS.DAT, and no hint is shown.
Lesson::Lesson(Game& game) : game_(game), silenced_(game) {
  kept_ = static_cast<Match&>(game);
  // The lesson teaches the rules as they first are.
  game.rules = RuleControls{};
}

Lesson::~Lesson() { Leave(); }

bool Lesson::AtEnd() const { return step_ + 1 == StepCount(); }

// The first step deals, so the table is laid again from the start.
void Lesson::Restart() {
  if (!left_) Begin(0, {});
}

void Lesson::Begin(int step, const std::string& previous) {
  const LessonStep& next = LessonSteps()[static_cast<std::size_t>(step)];
  step_ = step;
  move_ = 0;
  previous_ = previous;
  if (next.deal || !TableFits()) Build(step);
  // The last step is the lesson done: it opens at the start next time.
  Remember(AtEnd() ? 0 : step);
  Show({}, false);
}

bool Lesson::TableFits() const {
  const LessonStep& step = LessonSteps()[static_cast<std::size_t>(step_)];
  if (step.moves.empty()) return true;
  const LessonMove& move = step.moves.front();
  const Phase phase = game_.table.Phase;
  if (move.click == LessonClick::Table) return phase == Phase::MonthOver;
  return phase == Phase::PlayerToPlay && InPlayerHand(game_, move.card);
}

void Lesson::Build(int step) {
  const auto& steps = LessonSteps();
  int first = step;
  while (first > 0 && !steps[static_cast<std::size_t>(first)].deal) --first;
  // A fresh table in the game's layout: the kept match's positions, nothing of its play.
  static_cast<Match&>(game_) = kept_;
  Board& board = game_.board;
  game_.level = Level::Normal;
  game_.assisted = false;
  game_.arrangedDeck.reset();
  board.LevelName.caption = LevelNameCaption(game_.level);
  board.HideMatch();
  for (Label& message : board.message) message.enabled = message.visible = false;
  for (Shape& marker : board.PG) marker.visible = false;
  for (Shape& frame : board.Box) frame.visible = false;
  board.review.visible = false;
  DropHints(game_);
  game_.table.BestMonthPoints.fill(0);
  game_.table.BestMonthText.fill("");
  game_.SetPhase(Phase::PlayerToPlay);
  ShowTableSigns(game_);
  GameSetUp(game_);
  const LessonDeal& deal = LessonDeals()[static_cast<std::size_t>(*steps[static_cast<std::size_t>(first)].deal)];
  if (first == step) {
    Deal(game_, deal);
    game_.platform.Redraw();
    return;
  }
  // The moves before the step are played on a copy nobody sees, its win dialogs answered 勝負.
  SilentPlatform silent(game_.platform, [] { return kShoubuButton; });
  Game copy(silent);
  silent.Attach(copy);
  copy.windowWidthTwips = game_.windowWidthTwips;
  copy.options = game_.options;
  copy.rules = game_.rules;
  static_cast<Match&>(copy) = static_cast<const Match&>(game_);
  Deal(copy, deal);
  for (int s = first; s < step; ++s) {
    for (const LessonMove& move : steps[static_cast<std::size_t>(s)].moves) Play(copy, move);
  }
  static_cast<Match&>(game_) = static_cast<const Match&>(copy);
  game_.options.JudgeMode = copy.options.JudgeMode;
  ShowTableSigns(game_);
  game_.platform.Redraw();
}

std::optional<std::string> Lesson::Refusal(ControlId under) const {
  const LessonStep& step = LessonSteps()[static_cast<std::size_t>(step_)];
  if (move_ >= step.moves.size()) return Tr(kOverRefusal);
  const LessonMove& move = step.moves[move_];
  const bool onCard = under.kind == ControlKind::Card && under.index >= 0 && under.index < kCardCount;
  const bool cardClick = onCard && game_.board.TakesInput(under);
  if (move.click == LessonClick::Table) return cardClick ? std::optional<std::string>(Tr(kNotACard)) : std::nullopt;
  if (!cardClick) {
    if (move.click == LessonClick::Choice) return Tr(kFramedOnly);
    return Tr(onCard ? kHandFirst : kClickMarked);
  }
  const CardCode code = game_.table.Deck[static_cast<std::size_t>(under.index)];
  if (code == CardCode::FromText(move.card)) return std::nullopt;
  const int month = MonthOf(code);
  if (move.click == LessonClick::Hand && month >= 1 && month <= 12 &&
      game_.table.FieldMonth[static_cast<std::size_t>(month - 1)] == 0)
    return Tr(kNoMatch);
  return step.refusal;
}

void Lesson::Released(ControlId under) {
  if (left_) return;
  if (game_.pressed != under) {
    PointerReleased(game_, under);
    return;
  }
  if (const auto why = Refusal(under)) {
    game_.pressed.reset();
    Show(*why, true);
    return;
  }
  const LessonStep& step = LessonSteps()[static_cast<std::size_t>(step_)];
  const LessonMove& move = step.moves[move_];
  if (move.click == LessonClick::Table) ArrangeNextMonth(game_, move);
  ++move_;
  previous_.clear();
  if (!move.said.empty()) {
    // Over the table while the move plays out and its win dialog is open.
    LessonCaption caption{Heading(), move.said, move.saidWhy, false, {}, false};
    game_.platform.ShowLesson(&caption);
    game_.platform.Announce(move.said);
  }
  PointerReleased(game_, under);
  if (move_ < step.moves.size()) {
    Show({}, false);
    return;
  }
  const bool koikoi = game_.table.KoiKoi[0];
  const std::string& said = koikoi ? step.afterKoiKoi : step.afterShoubu;
  Begin(step_ + 1, said);
}

void Lesson::KeyPressed(Key key) {
  if (left_) return;
  const bool cardsWait = !KeyTargets(game_).empty();
  if (key != Key::Enter || (cardsWait && !game_.keyCursor.shown)) {
    pg::KeyPressed(game_, key);
    return;
  }
  const std::optional<int> card = KeyCursorCard(game_);
  const ControlId under = card ? CardControl(*card) : kTable;
  game_.pressed = under;
  Released(under);
}

void Lesson::Show(const std::string& note, bool refused) {
  const LessonStep& step = LessonSteps()[static_cast<std::size_t>(step_)];
  LessonCaption caption;
  caption.heading = Heading();
  caption.refused = refused;
  caption.monthStrip = step.monthStrip;
  if (move_ < step.moves.size()) {
    const LessonMove& move = step.moves[move_];
    caption.instruction = previous_ + move.instruction;
    if (move.click != LessonClick::Table) {
      if (const auto pic = PictureOf(game_, move.card)) caption.marked.push_back(*pic);
    }
  } else {
    caption.instruction = previous_ + Tr(kLessonOver);
  }
  caption.note = refused ? note : step.explanation;
  game_.platform.ShowLesson(&caption);
  game_.platform.Announce(refused ? note : caption.instruction);
}

std::string Lesson::Heading() const {
  const LessonStep& step = LessonSteps()[static_cast<std::size_t>(step_)];
  return Fill(Tr("%1　%2/%3　%4"), {Tr(kLessonName), std::to_string(step_ + 1), std::to_string(StepCount()), step.title});
}

void Lesson::Remember(int step) {
  game_.lessonStep = step;
  // Saved with the records the lesson otherwise keeps away from.
  game_.statusPath = silenced_.StatusPath();
  SaveSettingLine(game_, kLessonStepSetting, std::to_string(step), PG_TEXT("レッスンの続き"));
  game_.statusPath.clear();
}

void Lesson::Leave() {
  if (left_) return;
  left_ = true;
  static_cast<Match&>(game_) = std::move(kept_);
  silenced_.GiveBack(game_);
  game_.platform.ShowLesson(nullptr);
  game_.platform.Redraw();
}

bool AskForLesson(const Game& game) {
  return game.platform.ShowMessage(Tr("Petalgame 32 へようこそ。\n遊び方を札を打ちながら覚える、"
                                      "「はじめてのこいこい」（約5分）を始めますか。\n\nあとからでも、ヘルプからいつでも始められます。"),
                                   Tr(kLessonName), MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes;
}

}  // namespace pg
