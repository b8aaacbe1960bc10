// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/help_window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QScreen>

#include "qt/fonts.h"
#include "qt/screen_window.h"

namespace qtview {

namespace {

QPointer<HelpWindow> shown;

// Sees every event of the application before its widget does.
class HelpRequests : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
      HelpWindow::open();
      return true;
    }
    if (event->type() == QEvent::ContextMenu && watched->isWidgetType()) {
      auto* window = dynamic_cast<ScreenWindow*>(static_cast<QWidget*>(watched)->window());
      if (!window || window->screen().name() != "ma1") return false;
      auto* menu = new QMenu(window);
      menu->setAttribute(Qt::WA_DeleteOnClose);
      menu->addAction("ヘルプ", [] { HelpWindow::open(); });
      menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    }
    return false;
  }
};

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

void HelpWindow::install() { qApp->installEventFilter(new HelpRequests(qApp)); }

}  // namespace qtview
