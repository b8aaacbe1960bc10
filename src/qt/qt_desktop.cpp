// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_desktop.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <exception>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "qt/keys.h"
#include "qt/pace.h"

namespace qtview {

namespace {

constexpr std::int64_t kNsPerMs = 1'000'000;
// A wake later than this after its planned moment is a stall (a busy machine,
// a suspended laptop), not the timer's own imprecision.
constexpr std::int64_t kStallNs = 20 * kNsPerMs;
// Wakes follow the screen: no closer together than one frame of a 60 Hz
// display, however quick the timers. At the fastest pace the computer's
// turns run for as long between two looks at the windows.
constexpr std::int64_t kFrameNs = 1'000'000'000 / 60;

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
  desktop_.addSavePart(&pacePart_);
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { wake(); });
  if (clock_) lastReal_ = clock_();
}

QtDesktop::~QtDesktop() { desktop_.removeSavePart(&pacePart_); }

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
  if (afterEvent) afterEvent();
}

void QtDesktop::replaced() {
  if (clock_) lastReal_ = clock_();
  sync();
  schedule();
}

std::vector<std::string> QtDesktop::PacePart::saveLines() const {
  return {"pace " + std::to_string(desktop_.pace_)};
}

std::function<void()> QtDesktop::PacePart::readLines(const std::vector<std::string>& lines) const {
  // A file without the pace leaves the one the player has.
  if (lines.empty()) return {};
  int pace = 0;
  for (int valid : kPaces)
    if (lines.size() == 1 && lines[0] == "pace " + std::to_string(valid)) pace = valid;
  if (pace == 0) throw std::runtime_error("not a pace of the game: " + lines[0]);
  return [this, pace] { desktop_.pace_ = pace; };
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
  if (pace_ == kFastest && !desktop_.playerInvolved()) {
    // Nothing waits for the player: every tick in order, at once, for one
    // frame's time; the next wake goes on after the windows caught up. What
    // the player takes part in then runs at ×8 from this moment.
    const std::int64_t until = clock_() + kFrameNs;
    while (!desktop_.ended() && !desktop_.playerInvolved() && clock_() < until) {
      auto due = desktop_.nextDue();
      if (!due) break;
      desktop_.advance(*due - desktop_.now());
    }
    lastReal_ = lastWake_ = clock_();
    return;
  }
  const int rate = paceRate(pace_);
  const std::int64_t nowReal = clock_();
  const std::int64_t real = nowReal - lastReal_;
  const std::int64_t from = desktop_.now();
  const std::int64_t target = from + real * rate / kNsPerMs;
  const std::int64_t lastWake = std::exchange(lastWake_, nowReal);
  auto due = desktop_.nextDue();
  if (!due || *due > target) {
    lastReal_ += (target - from) * kNsPerMs / rate;
    desktop_.advance(target - from);
    return;
  }
  // The wake was planned for the due moment, or a frame after the last wake
  // when the timers are quicker than the screen. After a stall the clock goes
  // only as far as the next due moment and the rest is dropped, so the ticks
  // it missed fire once instead of piling up.
  const std::int64_t planned =
      std::max((*due - from) * kNsPerMs / rate, lastWake + kFrameNs - lastReal_);
  if (real - planned > kStallNs) {
    lastReal_ = nowReal;
    desktop_.advance(*due - from);
    return;
  }
  // Every tick due by now fires, in order; the clock stops at the last one,
  // so what the timer overshoots counts towards the next.
  while (due && *due <= target && !desktop_.ended()) {
    desktop_.advance(*due - desktop_.now());
    due = desktop_.nextDue();
  }
  lastReal_ += (desktop_.now() - from) * kNsPerMs / rate;
}

void QtDesktop::schedule() {
  auto due = desktop_.nextDue();
  if (!clock_ || desktop_.ended() || !due) {
    timer_.stop();
    return;
  }
  if (pace_ == kFastest && !desktop_.playerInvolved()) {
    timer_.start(0);
    return;
  }
  const std::int64_t now = clock_();
  const std::int64_t wait =
      std::max((*due - desktop_.now()) * kNsPerMs / paceRate(pace_) - (now - lastReal_),
               lastWake_ + kFrameNs - now);
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
