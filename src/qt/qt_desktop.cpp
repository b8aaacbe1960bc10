// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_desktop.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <exception>
#include <iterator>

#include "qt/keys.h"
#include "qt/pace.h"

namespace qtview {

namespace {

constexpr std::int64_t kNsPerMs = 1'000'000;
// A wake later than this after its due moment is a stall (a busy machine, a
// suspended laptop), not the timer's own imprecision.
constexpr std::int64_t kStallNs = 20 * kNsPerMs;

}  // namespace

QtDesktop::QtDesktop(ui::Desktop& desktop, bool realClock) : QtDesktop(desktop, RealClock()) {
  if (realClock) {
    elapsed_.start();
    clock_ = [this] { return elapsed_.nsecsElapsed(); };
    lastReal_ = clock_();
  }
}

QtDesktop::QtDesktop(ui::Desktop& desktop, RealClock clock)
    : desktop_(desktop), clock_(std::move(clock)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { wake(); });
  if (clock_) lastReal_ = clock_();
}

QtDesktop::~QtDesktop() = default;

template <class F>
void QtDesktop::event(F&& action) {
  // A handler that fails leaves the game where it stood; the program goes on.
  try {
    action();
  } catch (const std::exception& error) {
    const std::string& handler = desktop_.failedHandler();
    std::fprintf(stderr, "gunsei: %s%s%s\n", handler.c_str(), handler.empty() ? "" : ": ",
                 error.what());
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

bool QtDesktop::key(ScreenWindow& window, QKeyEvent& event) {
  if (int step = paceStep(event)) {
    if (int next = steppedPace(pace_, step); next != pace_) setPace(next);
    return true;
  }
  ui::Widget* widget = keyTarget(window.screen(), event);
  if (!widget) return false;
  // A held key presses once: a repeat must not run on into the next dialog.
  if (!event.isAutoRepeat()) click(*widget);
  return true;
}

void QtDesktop::setPace(int pace) {
  if (std::find(std::begin(kPaces), std::end(kPaces), pace) == std::end(kPaces)) return;
  event([this, pace] {
    catchUp();
    pace_ = pace;
  });
}

void QtDesktop::wake() {
  event([this] { catchUp(); });
}

void QtDesktop::catchUp() {
  if (!clock_) return;
  const std::int64_t real = clock_() - lastReal_;
  std::int64_t step = real * pace_ / kNsPerMs;
  std::int64_t used = step * kNsPerMs / pace_;
  if (auto due = desktop_.nextDue(); due && desktop_.now() + step > *due) {
    step = *due - desktop_.now();
    used = step * kNsPerMs / pace_;
    // After a stall the clock goes only as far as the next due moment and the
    // rest is dropped, so the ticks it missed fire once instead of piling up.
    // A wake just late by the timer's precision keeps its time, or the pace
    // would fall behind on quick timers.
    if (real - used > kStallNs) used = real;
  }
  lastReal_ += used;
  desktop_.advance(step);
}

void QtDesktop::schedule() {
  auto due = desktop_.nextDue();
  if (!clock_ || desktop_.ended() || !due) {
    timer_.stop();
    return;
  }
  const std::int64_t wait = (*due - desktop_.now()) * kNsPerMs / pace_ - (clock_() - lastReal_);
  const std::int64_t ms = std::max<std::int64_t>(0, (wait + kNsPerMs - 1) / kNsPerMs);
  timer_.start(static_cast<int>(std::min<std::int64_t>(ms, INT_MAX)));
}

void QtDesktop::sync() {
  if (desktop_.ended()) {
    for (auto& [name, window] : windows_) game_->remove(window);
    windows_.clear();
    game_->arrange();
    QApplication::quit();
    return;
  }
  bool changed = false;
  for (ui::SlotBase* slot : desktop_.slots()) {
    ui::Screen* screen = slot->loadedScreen();
    auto found = windows_.find(slot->name());
    if (found != windows_.end() &&
        (!screen || !screen->visible() || found->second->serial() != screen->serial())) {
      game_->remove(found->second);
      windows_.erase(found);
      found = windows_.end();
      changed = true;
    }
    if (!screen || !screen->visible()) continue;
    if (found == windows_.end()) {
      auto* layer = new ScreenWindow(
          *screen, [this](ui::Widget& widget) { click(widget); },
          [this, screen] { closeBox(*screen); },
          // Keys are the top layer's alone.
          [this](ScreenWindow& window, QKeyEvent& event) {
            return &window == game_->top() && key(window, event);
          },
          game_.get());
      found = windows_.emplace(slot->name(), layer).first;
    }
    // A screen shown for the first time, or shown again, goes on top.
    if (found->second->sync()) {
      game_->putOnTop(found->second);
      changed = true;
    }
  }
  if (changed) game_->arrange();
  game_->setTitle(paceSuffix(pace_));
}

ScreenWindow* QtDesktop::window(const std::string& screen) const {
  auto found = windows_.find(screen);
  return found == windows_.end() ? nullptr : found->second;
}

}  // namespace qtview
