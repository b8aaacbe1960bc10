// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The choice of the player's nation: one nation at a time, its name and
// portrait; up and down step through all 26, start opens the main screen.

#include "ui/screen.h"

class Program;

class NationSelection : public ui::Screen {
 public:
  explicit NationSelection(Program& program);

  // The title logo.
  ui::Image Image2{this, "Image2", {.at = {3720, 1320, 4500, 1200}, .picture = "op2.Image2"}};
  // Portrait of the shown nation.
  ui::Image Image1{
      this, "Image1", {.at = {4800, 2760, 2295, 2655}, .picture = "da1.t(0)", .stretch = true}};
  // Name of the shown nation.
  ui::Label Label3{this,
                   "Label3",
                   {.at = {3960, 5520, 4095, 375},
                    .caption = "グラドウェン騎士団",
                    .font = {ui::kBrush, 18},
                    .fore = {ui::kWhite},
                    .transparent = true,
                    .align = ui::Align::Center}};
  // Index of the chosen nation, 0 to 25; the name and portrait follow it on
  // the next tick of Timer1.
  ui::Label Label2{this, "Label2", {.caption = "0", .visible = false}};
  ui::Button Command1{this,
                      "Command1",
                      {.at = {7560, 3360, 495, 495},
                       .tooltip = "上へ",
                       .picture = "op2.Command1",
                       .graphical = true,
                       .keys = "Up; Right"},
                      [this] { Command1_Click(); }};
  ui::Button Command2{this,
                      "Command2",
                      {.at = {7560, 4560, 495, 495},
                       .tooltip = "下へ",
                       .picture = "op2.Command2",
                       .graphical = true,
                       .keys = "Down; Left"},
                      [this] { Command2_Click(); }};
  ui::Button Command3{this,
                      "Command3",
                      {.at = {8280, 3960, 495, 495},
                       .tooltip = "ゲームスタートへ",
                       .picture = "op2.Command3",
                       .graphical = true,
                       .isDefault = true},
                      [this] { Command3_Click(); }};
  // Redraws the name and portrait of the chosen nation.
  ui::Timer Timer1{this, "Timer1", {.interval = 100}, [this] { Timer1_Timer(); }};

 private:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Timer1_Timer();

  Program& program_;
};
