// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ending after a victory: six closing lines and "ゲーム クリアー" fade in
// and out on black, and a minute after it opens the program ends. It takes no
// input.

#include "ui/screen.h"

class Program;

class EndingScreen : public ui::Screen {
 public:
  explicit EndingScreen(Program& program);

  // The text being faded.
  ui::Label Label1{this,
                   "Label1",
                   {.at = {120, 4200, 11535, 615},
                    .font = {ui::kBrush, 24},
                    .fore = {ui::kWhite},
                    .transparent = true,
                    .align = ui::Align::Center}};
  // Tick counter of Timer1.
  ui::Label Label2{this, "Label2", {.caption = "0", .visible = false}};
  ui::Timer Timer1{this, "Timer1", {.interval = 1000}, [this] { Timer1_Timer(); }};

 private:
  void Timer1_Timer();

  Program& program_;
};
