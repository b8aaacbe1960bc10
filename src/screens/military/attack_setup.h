// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The attack setup `ma3`: during a player's step the player picks, on the
// map, a neighbouring territory of another nation that the running territory
// (ma1.count1) attacks, and the soldiers and armament it sends, in steps and
// never more than the territory holds. "O  K" opens the confirmation ma4 on
// top; the choices stay here for the confirmation and the battle to read,
// until the battle closes this screen. "キャンセル" closes it and the step
// goes on.

#include <memory>
#include <vector>

#include "ui/screen.h"

class Program;

class AttackSetup : public ui::Screen {
 public:
  explicit AttackSetup(Program& program);

  void Form_Load() override;
  void cancel() override { Command2_Click(); }
  const ui::Widget* chosenTerritory() const override;
  const ui::Widget* stepTerritory() const override;

  // The territory button for territory i, s0 to s34.
  ui::Button& s(int i) const { return *s_.at(static_cast<std::size_t>(i)); }
  // The neighbour lines of the map, Line1 to Line48.
  const std::vector<std::unique_ptr<ui::Line>>& lines() const { return lines_; }

  // The running territory's name.
  ui::Label Label2{this,
                   "Label2",
                   {.at = {120, 120, 3135, 435},
                    .caption = "そよぎの丘",
                    .font = {ui::kGothic, 14.25, true},
                    .back = {ui::kWhite},
                    .align = ui::Align::Center,
                    .border = true}};
  ui::Label Label1{this,
                   "Label1",
                   {.at = {3480, 195, 8400, 330},
                    .caption = "攻撃する場所、兵士数、武装を指定してください",
                    .font = {ui::kGothic, 12}}};

  // The map of the continent with the territory buttons.
  ui::Frame Frame3{this, "Frame3", {.at = {120, 600, 8610, 8280}}};
  ui::Image Image1{this, "Image1", {.at = {480, 360, 8010, 7620}, .stretch = true, .in = &Frame3}};

  // The chosen target, framed by Shape1.
  ui::Shape Shape1{this, "Shape1", {.at = {8850, 720, 3030, 720}, .borderWidth = 2}};
  ui::Label Label11{this,
                    "Label11",
                    {.at = {8880, 900, 2970, 360},
                     .caption = "攻め込む国を指定してください",
                     .font = {ui::kGothic, 11.25, true},
                     .align = ui::Align::Center}};

  // The soldiers to send.
  ui::Frame Frame4{
      this,
      "Frame4",
      {.at = {8850, 1800, 3030, 2415}, .caption = "兵士数決定", .font = {ui::kGothic, 11.25}}};
  ui::Label Label5{this, "Label5", available(360, "自国兵士数", &Frame4)};
  // The running territory's soldiers as the screen opened: the limit.
  ui::Label Label7{this, "Label7", availableValue(360, &Frame4, &Label5)};
  // Soldiers to send.
  ui::Label Label3{this, "Label3", amount(&Frame4)};
  ui::Button Command3{this, "Command3", step(0, 0, "+10", &Frame4), [this] { Command3_Click(); }};
  ui::Button Command4{this, "Command4", step(1, 0, "+50", &Frame4), [this] { Command4_Click(); }};
  ui::Button Command5{this, "Command5", step(2, 0, "+100", &Frame4), [this] { Command5_Click(); }};
  ui::Button Command6{this, "Command6", step(0, 1, "+200", &Frame4), [this] { Command6_Click(); }};
  ui::Button Command7{this, "Command7", step(1, 1, "+500", &Frame4), [this] { Command7_Click(); }};
  ui::Button Command8{this, "Command8", step(2, 1, "クリア", &Frame4),
                      [this] { Command8_Click(); }};

  // The armament to send.
  ui::Frame Frame5{
      this,
      "Frame5",
      {.at = {8850, 4320, 3030, 2415}, .caption = "武装決定", .font = {ui::kGothic, 11.25}}};
  ui::Label Label6{this, "Label6", available(360, "自国武装", &Frame5)};
  // The running territory's armament as the screen opened: the limit.
  ui::Label Label8{this, "Label8", availableValue(360, &Frame5, &Label6)};
  // Armament to send.
  ui::Label Label4{this, "Label4", amount(&Frame5)};
  ui::Button Command9{this, "Command9", step(0, 0, "+5", &Frame5), [this] { Command9_Click(); }};
  ui::Button Command10{this, "Command10", step(1, 0, "+10", &Frame5),
                       [this] { Command10_Click(); }};
  ui::Button Command11{this, "Command11", step(2, 0, "+50", &Frame5),
                       [this] { Command11_Click(); }};
  ui::Button Command12{this, "Command12", step(0, 1, "+100", &Frame5),
                       [this] { Command12_Click(); }};
  ui::Button Command13{this, "Command13", step(1, 1, "+200", &Frame5),
                       [this] { Command13_Click(); }};
  ui::Button Command14{this, "Command14", step(2, 1, "クリア", &Frame5),
                       [this] { Command14_Click(); }};

  // Error line.
  ui::Label Label9{this,
                   "Label9",
                   {.at = {8850, 6885, 3030, 375},
                    .font = {ui::kGothic, 12, true},
                    .fore = {ui::kRed},
                    .align = ui::Align::Center}};
  // Confirm: opens the confirmation once a target is chosen.
  ui::Button Command1{this,
                      "Command1",
                      {.at = {8850, 7455, 1455, 615},
                       .caption = "O  K",
                       .font = {ui::kGothic, 11.25},
                       .enabled = false,
                       .isDefault = true},
                      [this] { Command1_Click(); }};
  ui::Button Command2{this,
                      "Command2",
                      {.at = {10425, 7455, 1455, 615},
                       .caption = "キャンセル",
                       .font = {ui::kGothic, 11.25},
                       .isCancel = true},
                      [this] { Command2_Click(); }};

  // The chosen target's index as text; empty until one is chosen.
  ui::Label Label10{this, "Label10", {.visible = false}};
  // Shows the chosen target and enables "O  K".
  ui::Timer Timer1{this, "Timer1", {.interval = 100}, [this] { Timer1_Timer(); }};

 private:
  static ui::LabelDesign available(int top, const char* caption, ui::Frame* in);
  static ui::LabelDesign availableValue(int top, ui::Frame* in, const ui::Label* heading);
  // Headed by its group's frame.
  static ui::LabelDesign amount(ui::Frame* in);
  static ui::ButtonDesign step(int column, int row, const char* caption, ui::Frame* in);

  void s_Click(int i);
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void Command9_Click();
  void Command10_Click();
  void Command11_Click();
  void Command12_Click();
  void Command13_Click();
  void Command14_Click();
  void Timer1_Timer();

  // Adds `step` to an amount; one above the limit goes back to "0" with the
  // group's error on the error line, any other clears the line.
  void add(ui::Label& amount, const ui::Label& limit, double step, const char* error);
  // The chosen target's index, or -1 while none is.
  int target() const;
  // While the confirmation is open the choices hold still: it shows them,
  // and the battle it leads to reads them.
  bool confirming() const;

  Program& program_;
  std::vector<std::unique_ptr<ui::Line>> lines_;
  std::vector<std::unique_ptr<ui::Button>> s_;
};
