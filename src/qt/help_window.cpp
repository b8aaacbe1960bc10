// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/help_window.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include "qt/fonts.h"
#include "qt/game_window.h"

namespace qtview {

namespace {

QPointer<HelpWindow> shown;

}  // namespace

HelpWindow::HelpWindow(QWidget* over) : QTextBrowser(over) {
  // A window of its own that a window manager keeps above the game's.
  setWindowFlag(Qt::Window);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("ヘルプ");
  setFont(fontFor({ui::kGothic, 11.25}));
  QPalette p = palette();
  p.setColor(QPalette::Base, QColor(0xfb, 0xf7, 0xec));
  p.setColor(QPalette::Text, QColor(0x2b, 0x21, 0x18));
  setPalette(p);
  document()->setDocumentMargin(16);
  setSource(QUrl("qrc:/assets/help.html"));
  resize(720, 640);
}

HelpWindow* HelpWindow::open() {
  if (!shown) {
    GameWindow* game = GameWindow::shown();
    shown = new HelpWindow(game);
    // Over the middle of the game's window, where the player looks, and
    // inside the display.
    QScreen* display = QGuiApplication::primaryScreen();
    QRect area = display ? display->availableGeometry() : QRect();
    if (game) {
      display = game->screen();
      area = game->frameGeometry();
    }
    if (area.isValid())
      moveInside(*shown, QRect(area.center() - shown->rect().center(), shown->size()), display);
  }
  shown->show();
  shown->raise();
  shown->activateWindow();
  return shown;
}

HelpWindow* HelpWindow::current() { return shown; }

GameMenu::Entry HelpWindow::entry() {
  return {"ヘルプ", Qt::Key_F1, true, [] { open(); }};
}

}  // namespace qtview
