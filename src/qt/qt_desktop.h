// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game on the real desktop: a window for every shown screen, clicks
// forwarded to the model, and the model's clock driven by the real one with a
// single precise timer set to the next due moment (no CPU while nothing is due).

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <map>
#include <string>

#include "qt/screen_window.h"
#include "ui/desktop.h"

namespace qtview {

class QtDesktop : public QObject {
 public:
  // With `realClock` false the model's clock stands still (screenshots, tests).
  QtDesktop(ui::Desktop& desktop, bool realClock = true);
  ~QtDesktop() override;

  // Starts the program and shows its first screen.
  void start();
  // Brings the windows in line with the model.
  void sync();
  // The window of a screen, or null while it is not shown.
  ScreenWindow* window(const std::string& screen) const;

 private:
  void click(ui::Widget& widget);
  void closeBox(ui::Screen& screen);
  void wake();
  void catchUp();
  void schedule();
  template <class F>
  void event(F&& action);

  ui::Desktop& desktop_;
  bool realClock_;
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 lastReal_ = 0;
  std::map<std::string, ScreenWindow*> windows_;
};

}  // namespace qtview
