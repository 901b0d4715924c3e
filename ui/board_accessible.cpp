// The board draws everything in one scene, which assistive technology cannot look into: these
// interfaces name what the core shows, in the order the eye reads it.
#include "ui/board_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <map>
#include <optional>
#include <utility>

#include "play/spoken_table.h"
#include "ui/board_view.h"
#include "ui/core_text.h"
#include "ui/picture_button.h"

namespace pg::ui {

namespace {

using Kind = SpokenItem::Kind;
// The notice is no item of the board; it takes a kind of its own among the children.
constexpr int kNoticeIndex = -1;

// One thing on the table, looked up afresh on every question: the table changes under it.
class TableItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  TableItemAccessible(BoardView* view, Kind kind, int index) : view_(view), kind_(kind), index_(index) {}

  bool isValid() const override { return view_ != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !view_) return {};
    if (IsNotice()) return view_->Announcement();
    const std::optional<SpokenItem> item = Current();
    return item ? Q(item->name) : QString();
  }

  QRect rect() const override {
    if (!view_) return {};
    if (IsNotice()) return QRect(view_->mapToGlobal(QPoint(0, 0)), QSize(1, 1));
    const std::optional<SpokenItem> item = Current();
    if (!item) return {};
    const QRect local = view_->RectOf(*item);
    return QRect(view_->mapToGlobal(local.topLeft()), local.size());
  }

  QAccessible::Role role() const override {
    if (IsNotice()) return QAccessible::Notification;
    if (kind_ != Kind::Card) return QAccessible::StaticText;
    const std::optional<SpokenItem> item = Current();
    return item && item->button ? QAccessible::Button : QAccessible::Graphic;
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    state.invisible = !IsNotice() && !Current();
    state.readOnly = true;
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override {
    const std::optional<SpokenItem> item = IsNotice() ? std::nullopt : Current();
    return item && item->button ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& action) override {
    if (action == pressAction() && !actionNames().isEmpty()) view_->ClickCard(index_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  bool IsNotice() const { return index_ == kNoticeIndex; }
  std::optional<SpokenItem> Current() const {
    for (SpokenItem& item : view_->Spoken()) {
      if (item.kind == kind_ && item.index == index_) return std::move(item);
    }
    return std::nullopt;
  }

  QPointer<BoardView> view_;
  Kind kind_;
  int index_;
};

// The table's children are what SpokenBoard lists now, then the notice; each keeps one interface
// for the life of the view, so a screen reader's handle to a card stays good as the card moves.
class TableAccessible : public QAccessibleWidget {
 public:
  explicit TableAccessible(BoardView* view) : QAccessibleWidget(view, QAccessible::Pane, qtTrId("卓")), view_(view) {}
  ~TableAccessible() override {
    for (const auto& [key, id] : ids_) QAccessible::deleteAccessibleInterface(id);
  }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? qtTrId("卓") : QAccessibleWidget::text(t);
  }
  int childCount() const override { return static_cast<int>(view_->Spoken().size()) + 1; }
  QAccessibleInterface* child(int index) const override {
    const std::vector<SpokenItem> items = view_->Spoken();
    if (index < 0 || index > static_cast<int>(items.size())) return nullptr;
    if (index == static_cast<int>(items.size())) return Interface(Kind::Message, kNoticeIndex);
    const SpokenItem& item = items[static_cast<std::size_t>(index)];
    return Interface(item.kind, item.index);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (this->child(i) == child) return i;
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = childCount() - 1; i >= 0; --i) {
      QAccessibleInterface* item = child(i);
      if (item && item->rect().contains(x, y)) return item;
    }
    return nullptr;
  }
  QAccessibleInterface* Notice() const { return Interface(Kind::Message, kNoticeIndex); }

 private:
  QAccessibleInterface* Interface(Kind kind, int index) const {
    const auto key = std::make_pair(kind, index);
    auto it = ids_.find(key);
    if (it == ids_.end()) {
      const QAccessible::Id id = QAccessible::registerAccessibleInterface(new TableItemAccessible(view_, kind, index));
      it = ids_.emplace(key, id).first;
    }
    return QAccessible::accessibleInterface(it->second);
  }

  BoardView* view_;
  mutable std::map<std::pair<Kind, int>, QAccessible::Id> ids_;
};

// A picture button is a push button with the words of its tooltip.
class PictureButtonAccessible : public QAccessibleWidget {
 public:
  explicit PictureButtonAccessible(AXButtonCtl* button) : QAccessibleWidget(button, QAccessible::Button) {
    addControllingSignal(QStringLiteral("MouseUp(qint16,qint16,float,float)"));
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return widget()->toolTip();
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction()) emit static_cast<AXButtonCtl*>(widget())->MouseUp(1, 0, 0, 0);
  }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className == QLatin1String("pg::ui::BoardView")) return new TableAccessible(static_cast<BoardView*>(object));
  if (className == QLatin1String("pg::ui::AXButtonCtl"))
    return new PictureButtonAccessible(static_cast<AXButtonCtl*>(object));
  return nullptr;
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(Factory); }

void AnnounceOnTable(BoardView* view, const QString& text) {
  view->SetAnnouncement(text);
  if (!QAccessible::isActive()) return;
  auto* table = dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(view));
  if (!table) return;
  QAccessibleEvent changed(table->Notice(), QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
  QAccessibleEvent alert(table->Notice(), QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

}  // namespace pg::ui
