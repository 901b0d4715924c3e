// The match list's rows: date, level, rules, result, whether hints were shown, and the two scores.
#include "ui/replay_match_list.h"

#include <QDateTime>

#include "computer/level.h"

namespace pg::ui {

namespace {

enum Column { kDate, kLevel, kRules, kResult, kAid, kScores, kColumns };

}  // namespace

QString LocalDate(const std::string& utc) {
  QDateTime when = QDateTime::fromString(QString::fromStdString(utc), Qt::ISODate);
  return when.isValid() ? when.toLocalTime().toString("yyyy/MM/dd HH:mm") : QString::fromStdString(utc);
}

QString RulesName(const RuleSettings& r) {
  const QString hanami = r.HanamiRule == 0 ? QString(qtTrId("花見%1文")).arg(r.HanamiPoints) : QString(qtTrId("花見なし"));
  const QString tsukimi = r.TsukimiRule == 0 ? QString(qtTrId("月見%1文")).arg(r.TsukimiPoints) : QString(qtTrId("月見なし"));
  return hanami + qtTrId("・") + tsukimi + qtTrId("・") + (r.OyaRule == 0 ? qtTrId("親権あり") : qtTrId("親権なし")) + qtTrId("・") +
         (r.KikuRule == 1 ? qtTrId("菊はカス") : qtTrId("菊はタネ"));
}

QString ResultName(MatchOutcome result) {
  switch (result) {
    case MatchOutcome::Won:
      return qtTrId("勝ち");
    case MatchOutcome::Lost:
      return qtTrId("負け");
    case MatchOutcome::Level:
      return qtTrId("引き分け");
    case MatchOutcome::Abandoned:
      return qtTrId("中断");
  }
  return {};
}

void MatchListModel::SetRows(std::vector<HistoryRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

const HistoryRow* MatchListModel::MatchAt(int row) const {
  if (row < 0 || row >= rowCount()) return nullptr;
  return &rows_[rows_.size() - 1 - static_cast<std::size_t>(row)];
}

int MatchListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MatchListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant MatchListModel::data(const QModelIndex& index, int role) const {
  const HistoryRow* match = MatchAt(index.row());
  if (!match) return {};
  if (role == Qt::TextAlignmentRole && index.column() == kScores) return int(Qt::AlignRight | Qt::AlignVCenter);
  if (role == Qt::TextAlignmentRole && index.column() == kAid) return int(Qt::AlignCenter);
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kDate:
      return LocalDate(match->endedAt);
    case kLevel:
      return QString::fromUtf8(LevelLabel(match->level));
    case kRules:
      return RulesName(match->rules);
    case kResult:
      return ResultName(match->result);
    case kAid:
      return match->assisted ? QString(qtTrId("あり")) : QString();
    case kScores:
      return QString(qtTrId("%1文 対 %2文")).arg(match->scores[0]).arg(match->scores[1]);
    default:
      return {};
  }
}

QVariant MatchListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* const kHeaders[kColumns] = {QT_TRID_NOOP("日時"), QT_TRID_NOOP("強さ"), QT_TRID_NOOP("ルール"), QT_TRID_NOOP("結果"), QT_TRID_NOOP("ヒント"), QT_TRID_NOOP("得点")};
  return section >= 0 && section < kColumns ? qtTrId(kHeaders[section]) : QVariant();
}

}  // namespace pg::ui
