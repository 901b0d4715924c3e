// Replays: checked on a silent copy of the table, then shown on the real one.
#include "play/replay.h"

#include <algorithm>
#include <utility>

#include "computer/level.h"
#include "engine/game.h"
#include "engine/geometry.h"
#include "engine/messages.h"
#include "play/menu.h"
#include "play/setup.h"
#include "play/silent_platform.h"
#include "play/table_signs.h"
#include "records/player_text.h"

namespace pg {

namespace {

constexpr int kDealerDrawCards = 12;

}  // namespace

ReplayOpened Replay::Open(Game& game, const HistoryMatch& match) {
  auto refuse = [](const std::string& why) { return ReplayOpened{nullptr, Tr(kCannotReplay) + "\n" + why}; };
  if (match.months.empty()) return refuse(Tr("月の記録がありません。"));
  ReplayProgress progress;
  const Game* shown = nullptr;
  SilentPlatform silent(game.platform, [&] { return StoredAnswer(shown->agari, progress.playsOn); });
  Game copy(silent);
  shown = &copy;
  silent.Attach(copy);
  // The copy lays the table out as the screen does: the same mode, options and wallpaper ruling.
  copy.windowWidthTwips = game.windowWidthTwips;
  copy.options = game.options;
  copy.table = game.table;
  copy.board = game.board;
  copy.rules = ControlsOf(match.rules);
  copy.nextLevel = LevelNamed(match.level).value_or(Level::Normal);
  StartGame(copy);
  std::vector<Frame> frames;
  for (const ReplayStep& step : StepsOf(match)) {
    if (auto refusal = RunStep(copy, match, step, progress)) return refuse(*refusal);
    if (silent.Refused())
      return refuse(Fill(Tr("%1か月目のこいこいと勝負の記録が、ルールに合いません。"),
                         {std::to_string(match.months.at(static_cast<std::size_t>(step.month)).month)}));
    frames.push_back({step, copy.table, copy.board, copy.agari, copy.options.JudgeMode, progress});
  }
  const auto& scores = copy.table.matchScore;
  if (scores[0] != match.scores[0] || scores[1] != match.scores[1]) {
    return refuse(Fill(Tr("記録の点数（%1文 対 %2文）に、再生の結果が合いません。"),
                       {std::to_string(match.scores[0]), std::to_string(match.scores[1])}));
  }
  return {std::unique_ptr<Replay>(new Replay(game, match, std::move(frames))), {}};
}

Replay::Replay(Game& game, HistoryMatch match, std::vector<Frame> frames)
    : game_(game), match_(std::move(match)), frames_(std::move(frames)), silenced_(game) {
  // A replay shows the match as it was played, with no hints over it and no records kept.
  std::swap(static_cast<Match&>(game), kept_);
  game.rules = ControlsOf(match_.rules);
  Show(0);
}

Replay::~Replay() { Leave(); }

void Replay::Show(std::size_t frame) {
  at_ = frame;
  const Frame& f = frames_.at(frame);
  game_.table = f.table;
  game_.board = f.board;
  game_.agari = f.agari;
  game_.options.JudgeMode = f.judgeMode;
  progress_ = f.progress;
  game_.platform.Redraw();
}

bool Replay::Forward() {
  if (left_ || AtEnd()) return false;
  Show(at_);
  const Frame& next = frames_[at_ + 1];
  // Checked on the copy, so the real table plays it the same way.
  RunStep(game_, match_, next.step, progress_);
  Show(at_ + 1);
  return true;
}

bool Replay::Back() {
  if (left_ || AtStart()) return false;
  Show(at_ - 1);
  return true;
}

void Replay::GoToMonth(int month) { GoTo(month, 0); }

bool Replay::GoTo(int month, int moves) {
  if (left_) return false;
  for (std::size_t i = 0; i < frames_.size(); ++i) {
    const ReplayStep& step = frames_[i].step;
    if (step.month != month || step.kind == ReplayStep::Kind::Result) continue;
    if ((moves == 0 && step.kind == ReplayStep::Kind::Deal) || step.move + 1 == moves) {
      Show(i);
      return true;
    }
  }
  return false;
}

void Replay::Mark(CardCode code) {
  // Card(i) shows deck place i through the month.
  for (int pic = 0; pic < kCardCount; ++pic) {
    if (game_.table.Deck[static_cast<std::size_t>(pic)] != code) continue;
    const CardPicture& card = game_.board.Card[static_cast<std::size_t>(pic)];
    if (!card.visible) return;
    game_.board.Box[0] = {static_cast<std::int16_t>(card.left - 2), static_cast<std::int16_t>(card.top - 2), true};
    game_.board.Box[1].visible = false;
    game_.platform.Redraw();
    return;
  }
}

void Replay::Leave() {
  if (left_) return;
  left_ = true;
  std::swap(static_cast<Match&>(game_), kept_);
  silenced_.GiveBack(game_);
  game_.platform.Redraw();
}

int Replay::Month() const { return frames_.at(at_).step.month; }

int Replay::MovesMade() const {
  const ReplayStep& step = frames_.at(at_).step;
  return step.kind == ReplayStep::Kind::Move   ? step.move + 1
         : step.kind == ReplayStep::Kind::Deal ? 0
                                               : MovesIn(step.month);
}

int Replay::MovesIn(int month) const {
  if (month < 0 || month >= Months()) return 0;
  return static_cast<int>(match_.months[static_cast<std::size_t>(month)].moves.size());
}

int Replay::MonthNumber(int month) const {
  if (month < 0 || month >= Months()) return 0;
  return match_.months[static_cast<std::size_t>(month)].month;
}

int Replay::WinDialogButton() const { return StoredAnswer(game_.agari, progress_.playsOn); }

ReplayOpened OpenReplayAt(Game& game, const HistoryMatch& match, int month, int move, std::optional<CardCode> marked) {
  ReplayOpened opened = Replay::Open(game, match);
  if (!opened.replay) return opened;
  if (opened.replay->GoTo(month, move) && marked) opened.replay->Mark(*marked);
  return opened;
}

std::optional<std::string> PlayDealAgain(Game& game, const HistoryMatch& match) {
  if (match.months.empty()) return Tr("この配りでは始められません。\n記録に配りがありません。");
  const HistoryMonth& first = match.months.front();
  const auto deck = DeckOf(first);
  if (!deck)
    return Fill(Tr("この配りでは始められません。\n%1か月目の配りが、48枚の違う札になっていません。"),
                {std::to_string(first.month)});
  if (!AgreeToStartAgain(game)) return std::nullopt;
  StartGame(game);
  TableState& t = game.table;
  // No dealer draw: the stored month's dealer deals again.
  for (int q = 0; q < kDealerDrawCards; ++q) game.board.Card[q].enabled = game.board.Card[q].visible = false;
  t.Oya = static_cast<std::int16_t>(first.dealer);
  const int size = LargeMessageSize(game);
  ShowCentredMessage(game, 0, Tr("選んだ対戦と同じ配りで始めます。"), size, DrawPromptTop(t, 0));
  ShowCentredMessage(game, 1, t.Oya == 0 ? Tr("あなたが親です。") : Tr("ｃｏｍが親です。"), size, DrawPromptTop(t, 1));
  // The match is played at the level chosen now, which may not be the one the deal was played at.
  const std::string now(LevelLabel(game.level));
  const std::optional<Level> stored = LevelNamed(match.level);
  const std::string then = stored ? std::string(LevelLabel(*stored)) : match.level;
  ShowCentredMessage(game, 2,
                     stored == game.level ? Fill(Tr("強さは記録と同じ「%1」です。"), {now})
                                          : Fill(Tr("強さは「%1」です（記録は「%2」）。"), {now, then}),
                     size, DrawPromptTop(t, 2));
  game.arrangedDeck = *deck;
  game.SetPhase(Phase::DealerKnown);
  game.Notify(&GameObserver::DealerDecided, -1, -1);
  // Told after the watchers, who store a match this one cut short with its own mark.
  game.assisted = false;
  ShowTableSigns(game);
  return std::nullopt;
}

}  // namespace pg
