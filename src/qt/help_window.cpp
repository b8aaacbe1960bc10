// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/help_window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include "qt/fonts.h"

namespace qtview {

namespace {

QPointer<HelpWindow> shown;

}  // namespace

HelpWindow::HelpWindow() {
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
    shown = new HelpWindow;
    // Over the middle of the window it was asked from, where the player
    // looks, and inside the display.
    QScreen* display = QGuiApplication::primaryScreen();
    QRect area = display ? display->availableGeometry() : QRect();
    if (QWidget* asking = QApplication::activeWindow()) {
      display = asking->screen();
      area = asking->frameGeometry();
    }
    if (area.isValid()) {
      QRect placed(area.center() - shown->rect().center(), shown->size());
      if (display) {
        const QRect inside = display->availableGeometry();
        placed.moveTop(qMax(inside.top(), qMin(placed.top(), inside.bottom() - placed.height())));
        placed.moveLeft(qMax(inside.left(), qMin(placed.left(), inside.right() - placed.width())));
      }
      shown->move(placed.topLeft());
    }
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
