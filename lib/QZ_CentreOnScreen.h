#pragma once

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

// Moves the window, frame included, to the centre of the screen it is on
// (the primary screen while it is on none).
inline void CentreOnItsScreen(QWidget& AWindow) {
  const QScreen* target = AWindow.screen() != nullptr ? AWindow.screen() : QGuiApplication::primaryScreen();
  if (target == nullptr) return;
  QRect frame = AWindow.frameGeometry();
  frame.moveCenter(target->availableGeometry().center());
  AWindow.move(frame.topLeft());
}
