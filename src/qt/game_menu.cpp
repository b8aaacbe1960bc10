// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/game_menu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "qt/screen_window.h"

namespace qtview {

namespace {

bool carriesMenu(const ScreenWindow* window) { return window && window->screen().design().menu; }

}  // namespace

ScreenWindow* screenWindowOf(QObject* object) {
  for (; object; object = object->parent())
    if (auto* window = dynamic_cast<ScreenWindow*>(object)) return window;
  return nullptr;
}

GameMenu::GameMenu() { qApp->installEventFilter(this); }

GameMenu::~GameMenu() { qApp->removeEventFilter(this); }

void GameMenu::add(Entry entry) { entries_.push_back(std::move(entry)); }

bool GameMenu::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* press = static_cast<QKeyEvent*>(event);
    const QKeySequence key(press->keyCombination());
    for (const Entry& entry : entries_) {
      if (entry.key != key || !(entry.everywhere || carriesMenu(screenWindowOf(watched)))) continue;
      // A held key opens once.
      if (!press->isAutoRepeat()) entry.action();
      return true;
    }
    return false;
  }
  if (event->type() == QEvent::ContextMenu && watched->isWidgetType()) {
    ScreenWindow* window = screenWindowOf(watched);
    if (!carriesMenu(window)) return false;
    auto* menu = new QMenu(window);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const Entry& entry : entries_) {
      QAction* action = menu->addAction(entry.text, entry.action);
      action->setShortcut(entry.key);
    }
    menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
  }
  return false;
}

}  // namespace qtview
