// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The movement screen `ma6`: during a player's step the player sends soldiers,
// armament and funds from the territory of the step to any territory the
// player's nation rules, the source included. A move costs nothing, knows no
// distance and ends the step; closing the window moves nothing.

#include <cstddef>
#include <memory>
#include <vector>

#include "ui/screen.h"

class Program;

class MovementScreen : public ui::Screen {
 public:
  explicit MovementScreen(Program& program);

  void Form_Load() override;
  void cancel() override;
  const ui::Widget* chosenTerritory() const override;

  // The destination's name once one is chosen, the prompt until then.
  ui::Frame Frame7{this, "Frame7", {.at = {120, 120, 11760, 1335}}};
  ui::Label Label3{this,
                   "Label3",
                   {.at = {240, 360, 11280, 735},
                    .caption = "行き先を入力してください",
                    .font = {ui::kGothic, 18},
                    .back = {ui::kWhite},
                    .align = ui::Align::Center,
                    .border = true,
                    .in = &Frame7}};

  // The amounts to move and the start button.
  ui::Frame Frame2{
      this,
      "Frame2",
      {.at = {6615, 1575, 5265, 7305}, .caption = "移     動", .font = {ui::kGothic, 12}}};

  ui::Frame Frame4{this, "Frame4", group(&Frame2, 480, "兵士数")};
  ui::Label Label20{this, "Label20", heading(&Frame4, 390, "現在")};
  ui::Label Label2{this, "Label2",
                   available(&Frame4, "Label2")};  // soldiers the source held on opening
  ui::Label Label21{this, "Label21", heading(&Frame4, 2475, "移動")};
  ui::Label Label4{this, "Label4", amount(&Frame4)};  // soldiers to move
  ui::Button Command41{this, "Command41", step(&Frame4, 0, "+10"), [this] { Command41_Click(); }};
  ui::Button Command42{this, "Command42", step(&Frame4, 1, "+50"), [this] { Command42_Click(); }};
  ui::Button Command43{this, "Command43", step(&Frame4, 2, "+100"), [this] { Command43_Click(); }};
  ui::Button Command44{this, "Command44", step(&Frame4, 3, "+500"), [this] { Command44_Click(); }};

  ui::Frame Frame5{this, "Frame5", group(&Frame2, 2400, "武   装")};
  ui::Label Label22{this, "Label22", heading(&Frame5, 390, "現在")};
  ui::Label Label7{this, "Label7",
                   available(&Frame5, "Label7")};  // armament the source held on opening
  ui::Label Label23{this, "Label23", heading(&Frame5, 2475, "移動")};
  ui::Label Label5{this, "Label5", amount(&Frame5)};  // armament to move
  ui::Button Command45{this, "Command45", step(&Frame5, 0, "+10"), [this] { Command45_Click(); }};
  ui::Button Command46{this, "Command46", step(&Frame5, 1, "+50"), [this] { Command46_Click(); }};
  ui::Button Command47{this, "Command47", step(&Frame5, 2, "+100"), [this] { Command47_Click(); }};
  ui::Button Command48{this, "Command48", step(&Frame5, 3, "+500"), [this] { Command48_Click(); }};

  ui::Frame Frame6{this, "Frame6", group(&Frame2, 4320, "資   金")};
  ui::Label Label24{this, "Label24", heading(&Frame6, 390, "現在")};
  ui::Label Label8{this, "Label8",
                   available(&Frame6, "Label8")};  // funds the source held on opening
  ui::Label Label25{this, "Label25", heading(&Frame6, 2475, "移動")};
  ui::Label Label6{this, "Label6", amount(&Frame6)};  // funds to move
  ui::Button Command49{this, "Command49", step(&Frame6, 0, "+10"), [this] { Command49_Click(); }};
  ui::Button Command50{this, "Command50", step(&Frame6, 1, "+100"), [this] { Command50_Click(); }};
  ui::Button Command51{this, "Command51", step(&Frame6, 2, "+500"), [this] { Command51_Click(); }};
  ui::Button Command52{this, "Command52", step(&Frame6, 3, "+1000"), [this] { Command52_Click(); }};

  // Carries out the move; usable once a destination is chosen.
  ui::Button Command36{this,
                       "Command36",
                       {.at = {240, 6300, 4785, 735},
                        .caption = "移動開始",
                        .font = {ui::kGothic, 15.75, true},
                        .enabled = false,
                        .in = &Frame2,
                        .isDefault = true},
                       [this] { Command36_Click(); }};

  // The destination buttons x0 to x34, two columns of territory captions.
  ui::Frame Frame1{this, "Frame1", {.at = {120, 1575, 6375, 7305}}};
  ui::Button& x(int i) const { return *x_.at(static_cast<std::size_t>(i)); }

  // The chosen destination's index as text; empty until one is chosen.
  ui::Label Label1{this, "Label1", {.visible = false}};
  // Shows the chosen destination and offers the start button.
  ui::Timer Timer1{this, "Timer1", {.interval = 100}, [this] { Timer1_Timer(); }};

 private:
  // The look of the three amount groups, each in its frame `in`.
  static ui::FrameDesign group(ui::Frame* in, int top, const char* caption);
  static ui::LabelDesign heading(ui::Frame* in, int left, const char* caption);
  static ui::LabelDesign available(ui::Frame* in, const char* caption);
  static ui::LabelDesign amount(ui::Frame* in);
  static ui::ButtonDesign step(ui::Frame* in, int column, const char* caption);

  // x0_Click to x34_Click: choose destination i.
  void x_Click(int i);
  void Command41_Click();
  void Command42_Click();
  void Command43_Click();
  void Command44_Click();
  void Command45_Click();
  void Command46_Click();
  void Command47_Click();
  void Command48_Click();
  void Command49_Click();
  void Command50_Click();
  void Command51_Click();
  void Command52_Click();
  void Command36_Click();
  void Timer1_Timer();

  // The territory Label1 names when it is one of the offered destinations, else -1.
  int destination() const;
  // Adds `step` to an amount; one beyond what the source held returns it to "0".
  static void add(ui::Label& amount, double step, const ui::Label& available);

  Program& program_;
  std::vector<std::unique_ptr<ui::Button>> x_;
};
