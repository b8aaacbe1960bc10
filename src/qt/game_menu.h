// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's menu: the entries of the context menu on the window of the screen
// that carries it (its design says so), each with its key. A key answers on
// that window, or on every window of the game for an entry meant everywhere
// (the help's F1). The menu watches the application's events while it lives.

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

namespace qtview {

class ScreenWindow;

class GameMenu : public QObject {
 public:
  struct Entry {
    QString text;
    QKeySequence key;
    bool everywhere = false;
    std::function<void()> action;
  };

  GameMenu();
  ~GameMenu() override;

  // Adds an entry at the end of the menu.
  void add(Entry entry);
  const std::vector<Entry>& entries() const { return entries_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<Entry> entries_;
};

// The game window a widget lies on, or null.
ScreenWindow* screenWindowOf(QObject* object);

}  // namespace qtview
