// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The attack confirmation `ma4`: the player's force as chosen on ma3 beside
// the defender of the target, both as they stand when the screen opens.
// "O      K" commits the attack: the force leaves the running territory and
// the battle ma2 opens; the battle reads the force and the defender's values
// from the labels here and closes this screen when it ends. "キャンセル"
// goes back to ma3 with nothing written.

#include "ui/screen.h"

class Program;

class AttackConfirmation : public ui::Screen {
 public:
  explicit AttackConfirmation(Program& program);

  void Form_Load() override;
  void cancel() override { Command2_Click(); }

  // The player's side.
  ui::Frame Frame3{this, "Frame3", side(480)};
  ui::Frame Frame4{this, "Frame4", portraitFrame(&Frame3)};
  ui::Image Image2{this, "Image2", portrait(&Frame4)};
  // The player's nation.
  ui::Label Label5{this, "Label5", name("Label5", &Frame3)};
  ui::Label Label9{this, "Label9", heading(3000, "兵  士  数", &Frame3)};
  // Soldiers sent.
  ui::Label Label10{this, "Label10", value(3000, "Label10", &Frame3, &Label9)};
  ui::Label Label11{this, "Label11", heading(3840, "武       装", &Frame3)};
  // Armament sent.
  ui::Label Label12{this, "Label12", value(3840, "Label12", &Frame3, &Label11)};
  ui::Label Label13{this, "Label13", heading(4680, "城  価  値", &Frame3)};
  // The running territory's castle value.
  ui::Label Label14{this, "Label14", value(4680, "Label14", &Frame3, &Label13)};

  // The defender's side.
  ui::Frame Frame1{this, "Frame1", side(7200)};
  ui::Frame Frame2{this, "Frame2", portraitFrame(&Frame1)};
  ui::Image Image1{this, "Image1", portrait(&Frame2)};
  // The defending nation.
  ui::Label Label1{this, "Label1", name("そよぎの丘", &Frame1)};
  ui::Label Label2{this, "Label2", heading(3000, "兵  士  数", &Frame1)};
  // The target's soldiers.
  ui::Label Label6{this, "Label6", value(3000, "Label6", &Frame1, &Label2)};
  ui::Label Label3{this, "Label3", heading(3840, "武       装", &Frame1)};
  // The target's armament.
  ui::Label Label7{this, "Label7", value(3840, "Label7", &Frame1, &Label3)};
  ui::Label Label4{this, "Label4", heading(4680, "城  価  値", &Frame1)};
  // The target's castle value.
  ui::Label Label8{this, "Label8", value(4680, "Label8", &Frame1, &Label4)};

  ui::Image Image3{
      this, "Image3", {.at = {5100, 2580, 1800, 1800}, .picture = "ma4.Image3", .stretch = true}};

  // Commit the attack.
  ui::Button Command1{this,
                      "Command1",
                      {.at = {3480, 7440, 2295, 675},
                       .caption = "O      K",
                       .font = {ui::kGothic, 12, true},
                       .isDefault = true},
                      [this] { Command1_Click(); }};
  ui::Button Command2{this,
                      "Command2",
                      {.at = {6225, 7440, 2295, 675},
                       .caption = "キャンセル",
                       .font = {ui::kGothic, 12, true},
                       .isCancel = true},
                      [this] { Command2_Click(); }};

 private:
  static ui::FrameDesign side(int left);
  static ui::FrameDesign portraitFrame(ui::Frame* in);
  static ui::ImageDesign portrait(ui::Frame* in);
  // White centred text on black, as every text of this screen is.
  static ui::LabelDesign whiteText(ui::Rect at, const char* caption, ui::Font font, ui::Frame* in);
  static ui::LabelDesign name(const char* caption, ui::Frame* in);
  static ui::LabelDesign heading(int top, const char* caption, ui::Frame* in);
  static ui::LabelDesign value(int top, const char* caption, ui::Frame* in,
                               const ui::Label* heading);

  void Command1_Click();
  void Command2_Click();

  // The target chosen on ma3; -1 while none is.
  int target() const;

  Program& program_;
};
