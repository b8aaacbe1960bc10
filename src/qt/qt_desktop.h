// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game on the real desktop: one game window with a layer for every shown
// screen, clicks and keys forwarded to the model, and the model's clock driven by the real one
// times the game's pace, with a single precise timer set to the next due
// moment (no CPU while nothing is due).

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "qt/game_window.h"
#include "qt/screen_window.h"
#include "ui/desktop.h"

namespace qtview {

class QtDesktop : public QObject {
 public:
  // Real time in nanoseconds since a fixed moment, never going back.
  using RealClock = std::function<std::int64_t()>;

  // With `realClock` false the model's clock stands still (screenshots, tests).
  QtDesktop(ui::Desktop& desktop, bool realClock = true);
  // The model's clock follows `clock`.
  QtDesktop(ui::Desktop& desktop, RealClock clock);
  ~QtDesktop() override;

  // Starts the program and shows its first screen.
  void start();
  // Brings the game window and its layers in line with the model; a screen
  // loaded anew since the last time gets a new layer.
  void sync();
  // The layer of a screen, or null while it is not shown.
  ScreenWindow* window(const std::string& screen) const;
  // The one top-level window of the game's screens: the parent of the game's
  // dialogs and other windows.
  GameWindow* gameWindow() const { return game_.get(); }

  // The game's pace: ×1 (the rules' own), ×2, ×4, ×8 or the fastest (kPaces).
  int pace() const { return pace_; }
  // Any other value leaves the pace as it is.
  void setPace(int pace);
  // Brings the model's clock up to the real one, as the timer does when it fires.
  void wake();
  // The timer that wakes the desktop at the next due moment.
  const QTimer& timer() const { return timer_; }

  // After a load replaced the whole game: the model's clock goes on from the
  // real moment now, and every window is brought in line.
  void replaced();
  // Called after every event the desktop hands to the model, views synced.
  std::function<void()> afterEvent;

 private:
  void click(ui::Widget& widget);
  void closeBox(ui::Screen& screen);
  bool key(ScreenWindow& window, QKeyEvent& event);
  void catchUp();
  void schedule();
  template <class F>
  void event(F&& action);

  // The pace in a saved game: "pace N", put in force without moving the clock.
  class PacePart : public ui::SavePart {
   public:
    explicit PacePart(QtDesktop& desktop) : desktop_(desktop) {}
    std::string partName() const override { return "pace"; }
    std::vector<std::string> saveLines() const override;
    std::function<void()> readLines(const std::vector<std::string>& lines) const override;

   private:
    QtDesktop& desktop_;
  };

  ui::Desktop& desktop_;
  PacePart pacePart_{*this};
  QElapsedTimer elapsed_;
  RealClock clock_;
  QTimer timer_;
  std::int64_t lastReal_ = 0;  // the real moment the model's clock stands for
  std::int64_t lastWake_ = 0;  // the real moment the clock was last brought up
  int pace_ = 1;
  std::unique_ptr<GameWindow> game_ = std::make_unique<GameWindow>();
  std::map<std::string, ScreenWindow*> windows_;  // the layers, children of game_
};

}  // namespace qtview
