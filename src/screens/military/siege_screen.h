// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The siege screen `ma5`: a computer nation attacks a territory of another
// computer nation, without the player. The attacking territory is
// ma1.count1, the target ma1.ai, the force ma1.t (soldiers) and ma1.Label35
// (armament), already taken out of the attacking territory. Every 400 ms
// both sides lose soldiers, by the ratio of the armaments (the defender's
// helped by its castle), until one side has none; the result goes into the
// target's row, the computer turn goes on and the screen closes.

#include "ui/screen.h"

class Program;

class SiegeScreen : public ui::Screen {
 public:
  explicit SiegeScreen(Program& program);

  void Form_Load() override;

  // The attacker's nation.
  ui::Frame Frame2{this, "Frame2", {.at = {270, 120, 1770, 1830}}};
  ui::Image Image1{this, "Image1", portrait(&Frame2)};
  ui::Label Label11{this, "Label11", nation(120, "グラウドウェン")};

  // The defender's nation.
  ui::Frame Frame3{this, "Frame3", {.at = {5295, 120, 1770, 1830}}};
  ui::Image Image2{this, "Image2", portrait(&Frame3)};
  ui::Label Label12{this, "Label12", nation(5145, "ウラン")};

  // The target territory and its castle.
  ui::Label Label13{
      this,
      "Label13",
      {.at = {2160, 240, 3015, 330}, .font = {ui::kGothic, 12, true}, .align = ui::Align::Center}};
  ui::Label Label5{this,
                   "Label5",
                   {.at = {2160, 900, 3015, 270},
                    .caption = "城 守 備",
                    .font = {ui::kGothic, 9.75},
                    .align = ui::Align::Center}};
  ui::Label Label6{this,
                   "Label6",
                   {.at = {2160, 1200, 3015, 390},
                    .caption = "100",
                    .font = {ui::kGothic, 14.25, true},
                    .fore = {ui::kRed},
                    .align = ui::Align::Center,
                    .heading = &Label5}};

  // The attacking force.
  ui::Frame Frame4{this, "Frame4", {.at = {120, 2760, 3435, 1320}}};
  ui::Label Label1{this, "Label1", heading(&Frame4, 300, "兵士数")};
  ui::Label Label7{this, "Label7", value(&Frame4, 300, "100", &Label1)};  // soldiers, counting down
  ui::Label Label2{this, "Label2", heading(&Frame4, 780, "武   装")};
  ui::Label Label8{this, "Label8", value(&Frame4, 780, "200", &Label2)};  // armament

  // The defending garrison.
  ui::Frame Frame5{this, "Frame5", {.at = {3780, 2760, 3435, 1320}}};
  ui::Label Label3{this, "Label3", heading(&Frame5, 300, "兵士数")};
  ui::Label Label9{this, "Label9", value(&Frame5, 300, "50", &Label3)};  // soldiers, counting down
  ui::Label Label4{this, "Label4", heading(&Frame5, 780, "武   装")};
  ui::Label Label10{this, "Label10", value(&Frame5, 780, "230", &Label4)};  // armament

  // One siege tick.
  ui::Timer Timer1{this, "Timer1", {.interval = 400, .enabled = false}, [this] { Timer1_Timer(); }};

 private:
  void Timer1_Timer();

  // The end of the siege: the computer turn goes on and the screen closes.
  void finish();

  static ui::ImageDesign portrait(ui::Frame* frame);
  static ui::LabelDesign nation(int left, const char* caption);
  static ui::LabelDesign heading(ui::Frame* frame, int top, const char* caption);
  static ui::LabelDesign value(ui::Frame* frame, int top, const char* caption,
                               const ui::Label* heading);

  Program& program_;
};
