// AXButtonCtl: a picture in a thin frame that rises under the pointer and sinks while pressed.
#pragma once

#include <QPixmap>
#include <QString>
#include <QVariantMap>
#include <QWidget>
#include <functional>
#include <string_view>

class QNetworkAccessManager;
class QNetworkReply;

namespace pg::ui {

class AXButtonCtl : public QWidget {
  Q_OBJECT

 public:
  explicit AXButtonCtl(QWidget* parent = nullptr);

  QPixmap Picture() const { return picture_; }
  // A null pixmap is no picture. A picture set here forgets URLPicture; the button takes its size.
  void SetPicture(const QPixmap& picture);
  QString URLPicture() const { return urlPicture_; }
  // A file path, a file:// or an http(s) URL, read in the background; the picture follows when it
  // arrives, and a failed read keeps the one shown. Empty removes the picture.
  void SetURLPicture(const QString& location);

  // The saved properties "URLPicture" and "Picture", each left out while it has its default.
  QVariantMap SaveProperties() const;
  // A saved URLPicture is read again; only without one is the saved Picture taken.
  void ReadProperties(const QVariantMap& saved);

  // The button ignores hovering while this answers false (the main window's HelpJudge).
  void SetHoverGuard(std::function<bool()> allowsHover);
  // Where "MenuCommand" and "MenuPopup" go; the desktop's sounds unless replaced.
  void SetSoundPlayer(std::function<void(std::string_view)> play);

  QSize sizeHint() const override { return stored_; }

 signals:
  // Button: 1 left, 2 right, 4 middle (the buttons held, for MouseMove). Shift: 1 shift, 2 ctrl,
  // 4 alt. X and Y in pixels from the button's corner.
  void MouseDown(qint16 button, qint16 shift, float x, float y);
  void MouseMove(qint16 button, qint16 shift, float x, float y);
  // Raised for every button released whose press this button saw, wherever the pointer is now.
  void MouseUp(qint16 button, qint16 shift, float x, float y);
  void Click();
  // "Picture" or "URLPicture" changed, so the saved properties are out of date.
  void PropertyChanged(const QString& name);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  enum class Frame { Raised = 0, Pressed = 1, Flat = 2 };

  void DrawFrame(Frame frame);
  bool Inside(QPointF position) const;
  void FollowPointer(QPointF position, Qt::MouseButtons buttons);
  void FitSize();
  void StartRead(const QString& location);
  void DropPendingRead();
  void ReadComplete(QNetworkReply* reply);

  bool mouseDown_ = false;
  // Stands for the mouse capture: set from the first hovered move until the pointer is seen
  // outside with no left button held, so the hover sound plays once per visit.
  bool captured_ = false;
  bool internalSet_ = false;
  bool arrivingPicture_ = false;
  QSize stored_;
  QPixmap picture_;
  QString urlPicture_;
  Frame frame_ = Frame::Flat;
  // The buttons pressed on this control and not yet released.
  Qt::MouseButtons held_;
  std::function<bool()> allowsHover_;
  std::function<void(std::string_view)> play_;
  QNetworkAccessManager* network_ = nullptr;
  QNetworkReply* pendingRead_ = nullptr;
};

}  // namespace pg::ui
