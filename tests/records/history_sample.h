// A small hand-made match for the history tests: two months, a こいこい that paid off and a dealt-hand yaku.
#pragma once

#include <string>

#include "records/history_match.h"

namespace pg::testing {

inline HistoryMatch SampleMatch(MatchOutcome result = MatchOutcome::Won, std::string endedAt = "2026-12-01T10:20:00Z") {
  HistoryMatch match;
  match.startedAt = "2026-12-01T10:00:00Z";
  match.endedAt = std::move(endedAt);
  match.rules.OyaRule = 0;
  match.rules.TsukimiPoints = 3;
  match.scores = {12, 6};
  match.result = result;

  HistoryMonth first;
  first.month = 1;
  first.dealer = 0;
  first.table = {"11", "21", "33", "44", "52", "64", "73", "84"};
  first.hands = {{{"12", "13", "31", "41", "51", "61", "71", "81"}, {"14", "22", "23", "24", "32", "34", "42", "43"}}};
  first.stock = {"91", "92", "93", "94", "A1", "A2", "A3", "A4"};
  first.moves = {{0, false, "12", "", {"11"}}, {0, true, "91", "", {}}, {1, false, "22", "21", {"21"}}};
  first.yaku = {{0, "猪鹿蝶", 5}, {0, "タネ", 1}};
  first.calls = {{0, CallKind::KoiKoi, 5, false, CallOutcome::Won}, {0, CallKind::Shoubu, 12, true, CallOutcome::Won}};
  first.winner = 0;
  first.payment = 12;

  HistoryMonth second = first;
  second.month = 2;
  second.dealer = 1;
  second.moves.resize(1);
  second.yaku = {{1, "手四", 6}};
  second.calls = {};
  second.winner = 1;
  second.payment = 6;

  match.months = {first, second};
  return match;
}

}  // namespace pg::testing
