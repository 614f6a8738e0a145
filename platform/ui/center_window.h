#ifndef TAVRUNE_PLATFORM_UI_CENTER_WINDOW_H_
#define TAVRUNE_PLATFORM_UI_CENTER_WINDOW_H_

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tavrune {

// Puts a top-level window in the middle of its screen's free area (the
// primary screen's when it has none yet). Dialogs with a parent need not:
// Qt centres them on the parent.
inline void CenterOnScreen(QWidget* window) {
  QScreen* screen = window->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

}  // namespace tavrune

#endif  // TAVRUNE_PLATFORM_UI_CENTER_WINDOW_H_
