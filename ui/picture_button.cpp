// The picture button: frame states from the pointer, the two sounds, and the picture properties.
#include "ui/picture_button.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOption>
#include <QUrl>
#include <utility>

#include "ui/system_sound.h"

namespace pg::ui {

namespace {

// The frame lines are one pixel wide; the picture is stretched inside them.
constexpr int kInset = 1;

const QString kPictureProperty = QStringLiteral("Picture");
const QString kUrlPictureProperty = QStringLiteral("URLPicture");

qint16 ButtonBits(Qt::MouseButtons buttons) {
  return static_cast<qint16>((buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
                             (buttons & Qt::MiddleButton ? 4 : 0));
}

qint16 ShiftBits(Qt::KeyboardModifiers modifiers) {
  return static_cast<qint16>((modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
                             (modifiers & Qt::AltModifier ? 4 : 0));
}

QUrl ReadableUrl(const QString& location) {
  const QUrl url(location);
  const QString scheme = url.scheme().toLower();
  if (scheme == "http" || scheme == "https" || scheme == "file") return url;
  return QUrl::fromLocalFile(QFileInfo(location).absoluteFilePath());
}

}  // namespace

AXButtonCtl::AXButtonCtl(QWidget* parent) : QWidget(parent), stored_(size()), play_(PlaySystemSound) {
  // Moves must arrive with no button held, or hovering could not be seen.
  setMouseTracking(true);
}

void AXButtonCtl::SetHoverGuard(std::function<bool()> allowsHover) { allowsHover_ = std::move(allowsHover); }

void AXButtonCtl::SetSoundPlayer(std::function<void(std::string_view)> play) { play_ = std::move(play); }

void AXButtonCtl::SetPicture(const QPixmap& picture) {
  if (!arrivingPicture_) {
    internalSet_ = true;
    SetURLPicture(QString());
    internalSet_ = false;
  }
  picture_ = picture;
  if (!picture_.isNull()) {
    const QSizeF size = picture_.deviceIndependentSize();
    stored_ = QSize(static_cast<int>(size.width()), static_cast<int>(size.height()));
  }
  FitSize();
  update();
  emit PropertyChanged(kPictureProperty);
}

void AXButtonCtl::SetURLPicture(const QString& location) {
  if (location != urlPicture_) {
    // Clearing the location from outside takes the picture with it, without clearing it again.
    arrivingPicture_ = !internalSet_;
    urlPicture_ = location;
    // A read still under way belongs to the old location.
    DropPendingRead();
    emit PropertyChanged(kUrlPictureProperty);
    if (!internalSet_) {
      if (location.isEmpty()) {
        SetPicture(QPixmap());
      } else {
        StartRead(location);
      }
    }
  }
  arrivingPicture_ = false;
}

void AXButtonCtl::StartRead(const QString& location) {
  if (!network_) network_ = new QNetworkAccessManager(this);
  pendingRead_ = network_->get(QNetworkRequest(ReadableUrl(location)));
  QNetworkReply* reply = pendingRead_;
  connect(reply, &QNetworkReply::finished, this, [this, reply] { ReadComplete(reply); });
}

void AXButtonCtl::DropPendingRead() {
  if (QNetworkReply* reply = std::exchange(pendingRead_, nullptr)) reply->abort();
}

void AXButtonCtl::ReadComplete(QNetworkReply* reply) {
  reply->deleteLater();
  if (reply != pendingRead_) return;
  pendingRead_ = nullptr;
  QPixmap picture;
  if (reply->error() != QNetworkReply::NoError || !picture.loadFromData(reply->readAll())) return;
  arrivingPicture_ = true;
  SetPicture(picture);
  arrivingPicture_ = false;
}

QVariantMap AXButtonCtl::SaveProperties() const {
  QVariantMap saved;
  if (!urlPicture_.isEmpty()) saved[kUrlPictureProperty] = urlPicture_;
  if (!picture_.isNull()) saved[kPictureProperty] = picture_;
  return saved;
}

void AXButtonCtl::ReadProperties(const QVariantMap& saved) {
  const QString location = saved.value(kUrlPictureProperty).toString();
  if (!location.isEmpty()) {
    SetURLPicture(location);
  } else {
    SetPicture(saved.value(kPictureProperty).value<QPixmap>());
  }
}

// A button with a picture always has the picture's size; without one it keeps the size it is given.
void AXButtonCtl::FitSize() {
  if (picture_.isNull()) {
    stored_ = size();
  } else if (size() != stored_) {
    resize(stored_);
  }
}

void AXButtonCtl::resizeEvent(QResizeEvent*) { FitSize(); }

void AXButtonCtl::DrawFrame(Frame frame) {
  if (frame == frame_) return;
  frame_ = frame;
  update();
}

void AXButtonCtl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!picture_.isNull()) {
    QPixmap shown = picture_;
    if (!isEnabled()) {
      QStyleOption option;
      option.initFrom(this);
      shown = style()->generatedIconPixmap(QIcon::Disabled, picture_, &option);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect().adjusted(kInset, kInset, -kInset, -kInset), shown);
  }
  if (frame_ == Frame::Flat) return;
  const QColor light = palette().color(QPalette::Light);
  const QColor shadow = palette().color(QPalette::Dark);
  const bool raised = frame_ == Frame::Raised;
  const int right = width() - 1;
  const int bottom = height() - 1;
  painter.setPen(raised ? light : shadow);
  painter.drawLine(0, 0, right, 0);
  painter.drawLine(0, 0, 0, bottom);
  painter.setPen(raised ? shadow : light);
  painter.drawLine(0, bottom, right, bottom);
  painter.drawLine(right, 0, right, bottom);
}

bool AXButtonCtl::Inside(QPointF position) const {
  return position.x() >= 0 && position.y() >= 0 && position.x() < width() && position.y() < height();
}

void AXButtonCtl::FollowPointer(QPointF position, Qt::MouseButtons buttons) {
  const bool inside = Inside(position);
  const bool hover = inside && (!allowsHover_ || allowsHover_());
  mouseDown_ = buttons.testFlag(Qt::LeftButton);
  if (hover) {
    DrawFrame(mouseDown_ ? Frame::Pressed : Frame::Raised);
    if (!captured_) {
      play_("MenuPopup");
      captured_ = true;
    }
  } else if (inside && mouseDown_) {
    // The guard holds back hovering, not a press already under way.
    DrawFrame(Frame::Raised);
  } else {
    // Outside the button is flat even with the left button still held on it.
    DrawFrame(Frame::Flat);
    if (!mouseDown_) captured_ = false;
  }
}

void AXButtonCtl::mousePressEvent(QMouseEvent* event) {
  held_ |= event->button();
  if (event->button() == Qt::LeftButton) {
    mouseDown_ = true;
    DrawFrame(Frame::Pressed);
    play_("MenuCommand");
  }
  const QPointF at = event->position();
  emit MouseDown(ButtonBits(event->button()), ShiftBits(event->modifiers()), static_cast<float>(at.x()),
                 static_cast<float>(at.y()));
}

void AXButtonCtl::mouseMoveEvent(QMouseEvent* event) {
  FollowPointer(event->position(), event->buttons());
  const QPointF at = event->position();
  emit MouseMove(ButtonBits(event->buttons()), ShiftBits(event->modifiers()), static_cast<float>(at.x()),
                 static_cast<float>(at.y()));
}

void AXButtonCtl::mouseReleaseEvent(QMouseEvent* event) {
  // A release whose press went elsewhere (dropped while cards flew, say) is no command.
  if (!held_.testFlag(event->button())) return;
  held_ &= ~event->button();
  if (event->button() == Qt::LeftButton) {
    mouseDown_ = false;
    DrawFrame(Frame::Raised);
  }
  const QPointF at = event->position();
  const bool inside = Inside(at);
  captured_ = true;
  // The container's command runs now and may hold a modal dialog open, or delete this button.
  const QPointer<AXButtonCtl> alive(this);
  emit MouseUp(ButtonBits(event->button()), ShiftBits(event->modifiers()), static_cast<float>(at.x()),
               static_cast<float>(at.y()));
  if (!alive) return;
  DrawFrame(Frame::Flat);
  captured_ = false;
  if (inside) emit Click();
}

void AXButtonCtl::enterEvent(QEnterEvent* event) {
  // Qt tells a disabled widget of the pointer too; it must stay dark and silent.
  if (isEnabled()) FollowPointer(event->position(), QGuiApplication::mouseButtons());
}

void AXButtonCtl::leaveEvent(QEvent*) {
  DrawFrame(Frame::Flat);
  if (!mouseDown_) captured_ = false;
}

void AXButtonCtl::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) {
    mouseDown_ = captured_ = false;
    held_ = {};
    DrawFrame(Frame::Flat);
  }
  QWidget::changeEvent(event);
}

}  // namespace pg::ui
