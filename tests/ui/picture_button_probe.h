// What a player sees of a picture button, read from the screen's pixels, and the pointer's events.
#pragma once

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <string>

#include "ui/picture_button.h"

namespace pg::test {

// "raised", "pressed" or "flat", from the frame lines at the middle of the left and right edges.
inline std::string FrameSeen(ui::AXButtonCtl& button) {
  const QWidget* window = button.window();
  const QRect onWindow(button.mapTo(window, QPoint(0, 0)), button.size());
  const QImage shot = button.window()->grab(onWindow).toImage();
  // Compared as 8-bit RGB: the palette may hold its colours more finely than the screen.
  const QRgb left = shot.pixel(0, shot.height() / 2);
  const QRgb right = shot.pixel(shot.width() - 1, shot.height() / 2);
  const QRgb light = button.palette().color(QPalette::Light).rgb();
  const QRgb shadow = button.palette().color(QPalette::Dark).rgb();
  if (left == light && right == shadow) return "raised";
  if (left == shadow && right == light) return "pressed";
  if (left != light && left != shadow && right != light && right != shadow) return "flat";
  return "mixed";
}

// Centre pixel of the picture's lower half, where the menu pictures show their colour.
inline QColor PictureColour(ui::AXButtonCtl& button) {
  const QWidget* window = button.window();
  const QRect onWindow(button.mapTo(window, QPoint(0, 0)), button.size());
  const QImage shot = button.window()->grab(onWindow).toImage();
  // Left of the label and inside the gold line, on the narrow 成績 button too.
  return shot.pixelColor(std::max(6, shot.width() / 2 - 20), shot.height() * 3 / 4);
}

// Events as Qt delivers them to the button: moves outside arrive only while a button is held on it.
inline void SendMouse(QWidget& to, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent event(type, at, to.mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(&to, &event);
}

inline void SendEnter(QWidget& to, QPointF at) {
  QEnterEvent event(at, at, to.mapToGlobal(at));
  QApplication::sendEvent(&to, &event);
}

inline void SendLeave(QWidget& to) {
  QEvent event(QEvent::Leave);
  QApplication::sendEvent(&to, &event);
}

}  // namespace pg::test
