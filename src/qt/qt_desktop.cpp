// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_desktop.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <exception>
#include <iterator>
<<<<<<< HEAD
#include <stdexcept>
=======
#include <utility>
>>>>>>> chron

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

constexpr const char* kMain = "ma1";
// The screens that open over the main screen and stay with it.
bool overMain(const std::string& screen) {
  return screen == "kin" || screen == "ma3" || screen == "ma4" || screen == "ma6" ||
         screen == "ma2" || screen == "ma5";
}

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

QtDesktop::~QtDesktop() {
  desktop_.removeSavePart(&pacePart_);
  for (auto& [name, window] : windows_) delete window;
}

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

void QtDesktop::place(ScreenWindow& window, const std::string& screen) {
  QRect over;
  if (ScreenWindow* main = overMain(screen) ? QtDesktop::window(kMain) : nullptr) {
    // A dialog of the main screen: transient for its window, so a window
    // manager keeps it above the main screen and with it, centred on it. It
    // has no buttons to minimise or maximise it on its own.
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    window.winId();
    window.windowHandle()->setTransientParent(main->windowHandle());
    over = main->geometry();
  } else if (QScreen* display = QGuiApplication::primaryScreen()) {
    over = display->availableGeometry();
  } else {
    return;
  }
  QRect area = window.geometry();
  area.moveCenter(over.center());
  window.setGeometry(area);
}

void QtDesktop::sync() {
  if (desktop_.ended()) {
    for (auto& [name, window] : windows_) {
      window->hide();
      window->deleteLater();
    }
    windows_.clear();
    opened_.clear();
    QApplication::quit();
    return;
  }
  bool closedActive = false;
  for (ui::SlotBase* slot : desktop_.slots()) {
    ui::Screen* screen = slot->loadedScreen();
    auto found = windows_.find(slot->name());
    if (found != windows_.end() &&
        (!screen || !screen->visible() || found->second->serial() != screen->serial())) {
      // The window may be the one whose click is being handled.
      closedActive = closedActive || found->second->isActiveWindow();
      std::erase(opened_, found->second);
      found->second->hide();
      found->second->deleteLater();
      windows_.erase(found);
      found = windows_.end();
    }
    if (!screen || !screen->visible()) continue;
    if (found == windows_.end()) {
      auto* window = new ScreenWindow(
          *screen, [this](ui::Widget& widget) { click(widget); },
          [this, screen] { closeBox(*screen); },
          [this](ScreenWindow& window, QKeyEvent& event) { return key(window, event); });
      place(*window, slot->name());
      window->sync();
      window->show();
      // The keys go to the newest window, also without a window manager.
      window->activateWindow();
      opened_.push_back(window);
      found = windows_.emplace(slot->name(), window).first;
    }
    if (found->second->sync()) {
      // A window manager keeps the dialogs above the window brought forward;
      // without one they are raised again, oldest first.
      for (ScreenWindow* dialog : opened_)
        if (dialog->windowHandle()->transientParent() == found->second->windowHandle())
          dialog->raise();
    }
  }
  if (closedActive && !opened_.empty()) opened_.back()->activateWindow();
  if (ScreenWindow* main = window(kMain)) {
    QString title = QString::fromStdString(main->screen().design().title);
    main->setWindowTitle(title + paceSuffix(pace_));
  }
}

ScreenWindow* QtDesktop::window(const std::string& screen) const {
  auto found = windows_.find(screen);
  return found == windows_.end() ? nullptr : found->second;
}

}  // namespace qtview
