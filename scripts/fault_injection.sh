#!/bin/sh
# Plants each fault of the list below in turn, rebuilds the core tests, runs the fast ones and says
# whether a test caught the fault. Run from the top of a source tree that builds in ./build:
#   scripts/fault_injection.sh [only-these-ids...] > faults.txt
# Each fault is one line changed by one sed expression; a fault whose line is not found is reported
# as "stale" so the list is kept true to the code. The tree is put back after every fault.
set -u

build=${BUILD_DIR:-build}
# The few tests that take seconds (the fair-play search, the soak, the two-process race) are left
# out: a fault must be caught by the quick tests a developer runs after every change.
slow='Levels.ChooseTheSameWhateverTheHiddenCardsAre:SoakTest.*:StatusFileTest.OfTwoProcessesRacingForTheLockExactlyOneGetsIt'

# id<TAB>file<TAB>sed expression
faults() {
  cat <<'EOF'
yaku-win-at-threshold	rules/yaku.cpp	s/>= YakuThreshold(group)) table.WinCode/> YakuThreshold(group)) table.WinCode/
yaku-sanko-label	rules/yaku.cpp	s/if (count == 6) return "三光　完成";/if (count == 7) return "三光　完成";/
yaku-inoshikacho-extra	rules/yaku.cpp	s/tane >= 4) return name/tane >= 5) return name/
yaku-block-brights	rules/yaku.cpp	s/if (count >= 4) opponent.caption/if (count >= 3) opponent.caption/
yaku-block-sets	rules/yaku.cpp	s/} else if (group <= YakuGroup::Aotan) {/} else if (group < YakuGroup::Aotan) {/
score-goko	rules/yaku_score.cpp	s/if (hikari >= 9) return PlainRow/if (hikari >= 10) return PlainRow/
score-tane	rules/yaku_score.cpp	s/return Row("タネ", tane - 4);/return Row("タネ", tane - 5);/
score-both-ribbons	rules/yaku_score.cpp	s/10 + tan - 6/10 + tan - 5/
score-bonus-doubles	rules/win_dialog.cpp	s/if (total >= kBonusFrom) {/if (total > kBonusFrom) {/
score-best-month-tie	rules/match_score.cpp	s/points <= table.BestMonthPoints\[place\]/points < table.BestMonthPoints[place]/
score-match-winner	rules/match_score.cpp	s/if (difference > 0) {/if (difference >= 0) {/
capture-three	rules/capture.cpp	s/if (t.SameNum == 3) {/if (t.SameNum == 4) {/
capture-dealt-four	rules/capture.cpp	s/t.HandLeft == 15) {/t.HandLeft == 16) {/
capture-close-gaps	rules/capture.cpp	s/if (t.FieldCount >= span) return;/if (t.FieldCount + 1 >= span) return;/
capture-bright-pile	rules/capture.cpp	s/return (counts\[YakuGroup::Hikari\] + 1) \/ 2;/return counts[YakuGroup::Hikari] \/ 2;/
capture-sake-tsukimi	rules/capture.cpp	s/if (rules.TsukimiOn()) Count(game, w, Tsukimi);/if (rules.HanamiOn()) Count(game, w, Tsukimi);/
capture-hints	rules/capture.cpp	s/for (int i = 0; i < CardsInHand(t, 0); ++i) {/for (int i = 0; i < t.HandLeft \/ 2; ++i) {/
card-animal-class	engine/card.cpp	s/if (k <= 13) return/if (k <= 12) return/
card-kiku-chaff	engine/card.cpp	s/code == CardCode('9', '1')/code == CardCode('9', '2')/
model-bonus	model/yaku.cpp	s/constexpr int kBonusFrom = 7;/constexpr int kBonusFrom = 8;/
model-shiko	model/yaku.cpp	s/return Row(YakuId::Shiko, count\[Hikari\]);/return Row(YakuId::Shiko, 8);/
model-kuttsuki	model/month.cpp	s/return Count(PairedMonths(hand)) >= 4/return Count(PairedMonths(hand)) >= 5/
model-dealt-four	model/month.cpp	s/const bool firstOfMonth = HandLeft(s) == 2 \* kHandCards;/const bool firstOfMonth = false;/
model-koikoi-last-card	model/month.cpp	s/return HandLeft(s) >= 2; }/return HandLeft(s) >= 1; }/
choice-model-take-tie	model/policy.cpp	s/return PriorityOfCard(upper) < PriorityOfCard(lower)/return PriorityOfCard(upper) <= PriorityOfCard(lower)/
choice-model-hand-only	model/policy.cpp	s/return PriorityOfCard(LowestSlot(s, same));/return PriorityOfCard(order[static_cast<std::size_t>(i)]);/
choice-later-equal-wins	engine/designed_hand_choice.h	s/best = p + 1;/best = p;/
choice-hand-card-only	computer/computer_move.cpp	s/return PriorityOf(t.FieldCard\[j\].code);/return PriorityOf(hand[i].code);/
choice-table-card	computer/computer_move.cpp	s/if (first == entry) return 0;/if (first == entry) return 1;/
choice-stops-late	computer/computer_move.cpp	s/if (cardsLeft < 3) stop/if (cardsLeft < 2) stop/
flight-exact-landing	engine/animation.cpp	s/> lengthSquared) break;/>= lengthSquared) break;/
flight-deal-speed	play/deal.cpp	s/const int speed = 2 \* game.options.Slider;/const int speed = game.options.Slider;/
flight-play-speed	play/show_play.cpp	s/step.to.y, game.options.Slider);/step.to.y, 2 * game.options.Slider);/
options-month-over	engine/options.cpp	s/phase <= Phase::MonthOver/phase < Phase::MonthOver/
options-player-to-play	engine/options.cpp	s/return phase >= Phase::PlayerToPlay/return phase > Phase::PlayerToPlay/
play-deal-passes	play/turn_driver.cpp	s/      t.Oya = t.Oya == 0 ? 1 : 0;/      t.Oya = 0;/
play-best-months-player-only	play/turn_driver.cpp	s/if (game.table.Oya == 0) JudgeGameScore(game);/JudgeGameScore(game);/
play-last-month	play/turn_driver.cpp	s/const bool lastMonth = game.table.GameNum >= 12;/const bool lastMonth = game.table.GameNum >= 11;/
play-stock-choice-phase	play/turn_driver.cpp	s/game.SetPhase(t.TurnStep == TurnStep::PlayerHand ? Phase::HandChoice : Phase::StockChoice);/game.SetPhase(Phase::HandChoice);/
play-kuttsuki	play/deal.cpp	s/if (pairs >= 4) {/if (pairs > 4) {/
play-dealer-judged-first	play/deal.cpp	s/const bool dealers = s == 0;/const bool dealers = s == 1;/
records-total-tie	records/high_scores.cpp	s/t.ten\[k\] >= difference) ++k;/t.ten[k] > difference) ++k;/
records-month-tie	records/high_scores.cpp	s/if (stored.points\[s\] >= match.bestPoints\[m\]) {/if (stored.points[s] > match.bestPoints[m]) {/
records-wall-range	records/status_codec.cpp	s/options.WallChoice = Within(in.Int(), 0, 3,/options.WallChoice = Within(in.Int(), 0, 2,/
records-speed-zero	records/status_codec.cpp	s/options.Speed = speed > 0 ? speed/options.Speed = speed >= 0 ? speed/
EOF
}

wanted() {
  id=$1
  shift
  [ $# -eq 0 ] && return 0
  for w in "$@"; do [ "$w" = "$id" ] && return 0; done
  return 1
}

log=$(mktemp)
backup=$(mktemp)
tab=$(printf '\t')

# A planted fault may leave a name unused; the fault is to be tested, not refused as a warning.
cmake "$build" -DCMAKE_COMPILE_WARNING_AS_ERROR=OFF >/dev/null
trap 'rm -f "$log" "$backup"; cmake "$build" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null' EXIT

printf '%-30s %-26s %s\n' fault file result
faults | while IFS=$tab read -r id file expr; do
  wanted "$id" "$@" || continue
  cp "$file" "$backup"
  sed -i "$expr" "$file"
  changed=$(diff "$backup" "$file" | grep -c '^>')
  if [ "$changed" -eq 0 ]; then
    result=stale
  elif [ "$changed" -gt 1 ]; then
    result="ambiguous ($changed lines)"
  elif ! cmake --build "$build" --target petalgame_core_tests -j2 >"$log" 2>&1; then
    result=nobuild
  elif timeout 300 "$build/bin/petalgame_core_tests" --gtest_filter="-$slow" --gtest_brief=1 >"$log" 2>&1; then
    result=ESCAPED
  else
    failed=$(sed -n 's/^\[  FAILED  \] \([A-Za-z_0-9]*\.[A-Za-z_0-9/]*\).*/\1/p' "$log" | sort -u | head -3 | tr '\n' ' ')
    result="caught ${failed:-(crash or timeout)}"
  fi
  # A fresh time stamp, so the next build compiles the restored file again.
  cp "$backup" "$file"
  printf '%-30s %-26s %s\n' "$id" "$file" "$result"
done
# The tree is whole again; the next build puts the unchanged objects back.
cmake --build "$build" --target petalgame_core_tests -j2 >/dev/null 2>&1
