// The stored matches as the 「成績」 window lists them, newest first: a model that makes each row's
// texts only when the list shows that row, so a history of thousands opens at once.
#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

#include "records/history_statistics.h"

namespace pg::ui {

class MatchListModel : public QAbstractTableModel {
 public:
  explicit MatchListModel(QObject* parent) : QAbstractTableModel(parent) {}

  // The matches shown, oldest first as the history keeps them.
  void SetRows(std::vector<HistoryRow> rows);
  // The match of a row, or null.
  const HistoryRow* MatchAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<HistoryRow> rows_;
};

// The texts the window shows of a match.
QString LocalDate(const std::string& utc);
QString RulesName(const RuleSettings& rules);
QString ResultName(MatchOutcome result);

}  // namespace pg::ui
