// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The investment dialog: the main screen leaves a command code in ma1.com and
// shows it; the player picks an amount the territory's funds allow and
// executes, which raises commerce, agriculture, port, castle, armament,
// loyalty or the soldiers by a randomised gain, takes the amount from the
// funds and ends the player's step. Cancel leaves the step open.

#include "ui/screen.h"

class Program;

class InvestmentDialog : public ui::Screen {
 public:
  explicit InvestmentDialog(Program& program);

  void Form_Load() override;
  void Form_Unload() override;
  void cancel() override { Command7_Click(); }

  ui::Frame Frame1{this, "Frame1", {.at = {0, 0, 2775, 1815}}};
  // Name of the territory.
  ui::Label Label1{
      this, "Label1", {.at = {120, 240, 2535, 255}, .caption = "クレイス連合", .in = &Frame1}};
  // Heading of the current value.
  ui::Label Label2{
      this, "Label2", {.at = {480, 480, 1215, 255}, .caption = "現在商業価値", .in = &Frame1}};
  // The current value.
  ui::Label Label3{
      this,
      "Label3",
      {.at = {1800, 480, 615, 255}, .caption = "120", .in = &Frame1, .heading = &Label2}};
  // The chosen amount; empty until one is chosen.
  ui::Label Label4{
      this, "Label4", {.at = {840, 720, 1095, 255}, .align = ui::Align::Center, .in = &Frame1}};
  ui::Button Command1{this,
                      "Command1",
                      {.at = {90, 960, 855, 375}, .caption = "100", .in = &Frame1, .keys = "1"},
                      [this] { Command1_Click(); }};
  ui::Button Command2{this,
                      "Command2",
                      {.at = {960, 960, 855, 375}, .caption = "300", .in = &Frame1, .keys = "2"},
                      [this] { Command2_Click(); }};
  ui::Button Command3{this,
                      "Command3",
                      {.at = {1830, 960, 855, 375}, .caption = "500", .in = &Frame1, .keys = "3"},
                      [this] { Command3_Click(); }};
  ui::Button Command4{this,
                      "Command4",
                      {.at = {90, 1320, 855, 375}, .caption = "1000", .in = &Frame1, .keys = "4"},
                      [this] { Command4_Click(); }};
  ui::Button Command5{this,
                      "Command5",
                      {.at = {960, 1320, 855, 375}, .caption = "2000", .in = &Frame1, .keys = "5"},
                      [this] { Command5_Click(); }};
  ui::Button Command6{this,
                      "Command6",
                      {.at = {1830, 1320, 855, 375}, .caption = "4000", .in = &Frame1, .keys = "6"},
                      [this] { Command6_Click(); }};
  // Execute.
  ui::Button Command8{this,
                      "Command8",
                      {.at = {120, 1920, 1215, 255}, .caption = "実      行", .isDefault = true},
                      [this] { Command8_Click(); }};
  // Cancel.
  ui::Button Command7{this,
                      "Command7",
                      {.at = {1440, 1920, 1215, 255}, .caption = "キャンセル", .isCancel = true},
                      [this] { Command7_Click(); }};

 private:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();

  // The territory of the running step, as ma1.count1 names it; -1 for none.
  int territory() const;

  Program& program_;
};
