// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_desktop.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <cstdio>
#include <exception>

namespace qtview {

QtDesktop::QtDesktop(ui::Desktop& desktop, bool realClock)
    : desktop_(desktop), realClock_(realClock) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { wake(); });
  clock_.start();
}

QtDesktop::~QtDesktop() {
  for (auto& [name, window] : windows_) delete window;
}

template <class F>
void QtDesktop::event(F&& action) {
  // A handler that fails leaves the game where it stood; the program goes on.
  try {
    action();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "gunsei: %s\n", error.what());
  }
  sync();
  schedule();
}

void QtDesktop::start() {
  event([this] { desktop_.run([this] { desktop_.start(); }); });
}

void QtDesktop::click(ui::Widget& widget) {
  event([this, &widget] {
    catchUp();
    desktop_.click(widget);
  });
}

void QtDesktop::closeBox(ui::Screen& screen) {
  event([this, &screen] { desktop_.closeBox(screen); });
}

void QtDesktop::wake() {
  event([this] { catchUp(); });
}

void QtDesktop::catchUp() {
  if (!realClock_) return;
  const qint64 real = clock_.elapsed();
  std::int64_t step = real - lastReal_;
  lastReal_ = real;
  // Never further than the next due moment: a late wake fires that batch of
  // ticks once instead of piling up the ones it missed.
  if (auto due = desktop_.nextDue(); due && desktop_.now() + step > *due)
    step = *due - desktop_.now();
  desktop_.advance(step);
}

void QtDesktop::schedule() {
  auto due = desktop_.nextDue();
  if (!realClock_ || desktop_.ended() || !due) {
    timer_.stop();
    return;
  }
  const qint64 sinceSync = clock_.elapsed() - lastReal_;
  timer_.start(static_cast<int>(qMax<qint64>(0, *due - desktop_.now() - sinceSync)));
}

void QtDesktop::sync() {
  if (desktop_.ended()) {
    for (auto& [name, window] : windows_) {
      window->hide();
      window->deleteLater();
    }
    windows_.clear();
    QApplication::quit();
    return;
  }
  for (ui::SlotBase* slot : desktop_.slots()) {
    ui::Screen* screen = slot->loadedScreen();
    auto found = windows_.find(slot->name());
    if (found != windows_.end() &&
        (!screen || !screen->visible() || found->second->serial() != screen->serial())) {
      // The window may be the one whose click is being handled.
      found->second->hide();
      found->second->deleteLater();
      windows_.erase(found);
      found = windows_.end();
    }
    if (!screen || !screen->visible()) continue;
    if (found == windows_.end()) {
      auto* window = new ScreenWindow(
          *screen, [this](ui::Widget& widget) { click(widget); },
          [this, screen] { closeBox(*screen); });
      if (QScreen* display = QGuiApplication::primaryScreen()) {
        QRect area = display->availableGeometry();
        window->move(area.center() - window->rect().center());
      }
      window->sync();
      window->show();
      found = windows_.emplace(slot->name(), window).first;
    }
    found->second->sync();
  }
}

ScreenWindow* QtDesktop::window(const std::string& screen) const {
  auto found = windows_.find(screen);
  return found == windows_.end() ? nullptr : found->second;
}

}  // namespace qtview
