// 入門 and 普通: the gentle teacher and the designed player; 強い and 最強 search.
#include "computer/level.h"

#include <array>
#include <utility>

#include "computer/search_levels.h"
#include "model/month.h"
#include "model/policy.h"

namespace pg {

namespace {

// 普通: the game's own designed player.
class NormalLevel : public Level {
 public:
  model::Move Choose(const model::View& view, Random& random) override {
    return model::DesignedMove(view.Guess(), random);
  }
};

// 入門: a gentle teacher. It takes what it has at once, never calling こいこい, and about one hand
// card in three it plays any card at all, so a beginner sees captures left on the table.
class BeginnerLevel : public Level {
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

constexpr std::array<std::string_view, 4> kNames{"beginner", "normal", "strong", "expert"};

}  // namespace

std::span<const std::string_view> LevelNames() { return kNames; }

std::string_view LevelLabel(std::string_view name) {
  constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kLabels{
      {{"beginner", "入門"}, {"normal", "普通"}, {"strong", "強い"}, {"expert", "最強"}}};
  for (const auto& [known, label] : kLabels) {
    if (known == name) return label;
  }
  return name;
}

std::unique_ptr<Level> MakeLevel(std::string_view name) {
  if (name == "beginner") return std::make_unique<BeginnerLevel>();
  if (name == "normal") return std::make_unique<NormalLevel>();
  if (name == "strong") return MakeStrongLevel();
  if (name == "expert") return MakeExpertLevel();
  return nullptr;
}

}  // namespace pg
