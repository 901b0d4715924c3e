// The group cards of a rule set, and the 64 rule sets the tools sweep.
#include "model/rule_set.h"

#include "engine/yaku_cards.h"

namespace pg::model {

namespace {

// The classes by the value order: five brights, nine animals, ten ribbons, then chaff.
constexpr CardSet CardsListedFrom(int first, int last) {
  CardSet cards = 0;
  for (int k = first; k <= last; ++k) {
    cards |= Bit(CardIndex(
        CardCode(PriorityList[static_cast<std::size_t>(2 * k)], PriorityList[static_cast<std::size_t>(2 * k + 1)])));
  }
  return cards;
}

constexpr CardSet kBrights = CardsListedFrom(0, 4);
constexpr CardSet kAnimals = CardsListedFrom(5, 13);
constexpr CardSet kRibbons = CardsListedFrom(14, 23);
constexpr CardSet kChaff = kAllCards & ~(kBrights | kAnimals | kRibbons);
constexpr CardSet kSakeCupCard = Bit(CardIndex(kSakeCup));

struct PointPair {
  int hanami;
  int tsukimi;
};
constexpr std::array<PointPair, 4> kSweptPoints{{{5, 5}, {1, 5}, {5, 1}, {3, 2}}};

}  // namespace

Rules MakeRules(bool hanami, bool tsukimi, bool dealerRight, bool kikuAsChaff, int hanamiPoints, int tsukimiPoints) {
  Rules r;
  r.hanami = hanami;
  r.tsukimi = tsukimi;
  r.dealerRight = dealerRight;
  r.kikuAsChaff = kikuAsChaff;
  r.hanamiPoints = static_cast<std::int8_t>(hanamiPoints);
  r.tsukimiPoints = static_cast<std::int8_t>(tsukimiPoints);
  using enum YakuGroup;
  auto& g = r.groupCards;
  g[Hikari] = kBrights;
  g[InoShikaCho] = SetOf(kInoShikaChoCards);
  g[Hanami] = hanami ? Bit(CardIndex(kHanamiBright)) | kSakeCupCard : 0;
  g[Tsukimi] = tsukimi ? Bit(CardIndex(kTsukimiBright)) | kSakeCupCard : 0;
  g[Akatan] = SetOf(kAkatanCards);
  g[Aotan] = SetOf(kAotanCards);
  g[Tane] = kikuAsChaff ? kAnimals & ~kSakeCupCard : kAnimals;
  g[Tan] = kRibbons;
  g[Kasu] = kikuAsChaff ? kChaff | kSakeCupCard : kChaff;
  return r;
}

Rules RulesOf(const RuleControls& c) {
  return MakeRules(c.HanamiOn(), c.TsukimiOn(), c.OyaRightOn(), c.KikuAsChaff(), c.HanamiPoints(), c.TsukimiPoints());
}

RuleControls ControlsOf(const Rules& r) {
  RuleControls c;
  c.option = {static_cast<std::int16_t>(r.hanami ? 0 : 1), static_cast<std::int16_t>(r.tsukimi ? 0 : 1),
              static_cast<std::int16_t>(r.dealerRight ? 0 : 1), static_cast<std::int16_t>(r.kikuAsChaff ? 1 : 0)};
  c.SetPoints(0, r.hanamiPoints);
  c.SetPoints(1, r.tsukimiPoints);
  return c;
}

Rules SweptRules(int index) {
  const PointPair points = kSweptPoints[static_cast<std::size_t>((index >> 4) & 3)];
  return MakeRules((index & 1) == 0, (index & 2) == 0, (index & 4) != 0, (index & 8) != 0, points.hanami,
                   points.tsukimi);
}

}  // namespace pg::model
