// 入門 and 普通: the gentle teacher and the designed player; 強い and 最強 search.
#include "computer/level.h"

#include "computer/search_levels.h"
#include "model/month.h"
#include "model/policy.h"

namespace pg {

namespace {

// 普通: the game's own designed player.
class NormalLevel : public ComputerPlayer {
 public:
  model::Move Choose(const model::View& view, Random& random) override {
    return model::DesignedMove(view.Guess(), random);
  }
};

// 入門: a gentle teacher. It takes what it has at once, never calling こいこい, and about one hand
// card in three it plays any card at all, so a beginner sees captures left on the table.
class BeginnerLevel : public ComputerPlayer {
 public:
  model::Move Choose(const model::View& view, Random& random) override {
    const model::State& s = view.Guess();
    if (s.stage == model::Stage::Decision) return {model::MoveKind::Stop};
    if (s.stage == model::Stage::Play && random.Below(kMissesOneIn) == 0) return model::RandomMove(s, random);
    return model::DesignedMove(s, random);
  }

 private:
  static constexpr int kMissesOneIn = 3;
};

}  // namespace

std::unique_ptr<ComputerPlayer> MakePlayer(Level level) {
  switch (level) {
    case Level::Beginner:
      return std::make_unique<BeginnerLevel>();
    case Level::Strong:
      return MakeStrongPlayer();
    case Level::Expert:
      return MakeExpertPlayer();
    case Level::Normal:
      break;
  }
  return std::make_unique<NormalLevel>();
}

}  // namespace pg
