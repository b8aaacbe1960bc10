// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The battle screen `ma2`: every fight in which the player's nation takes
// part. The attacker stands on the left, the defender on the right; the
// player commands one side with a row of five buttons and the computer side
// answers every action with a normal attack. ma1.Label34 tells the kind of
// battle: 1 the player attacks (the target is ma3.Label10, the force comes
// from ma4), anything else a computer nation attacks the player (the target
// is ma1.ai, the force ma1.t and ma1.Label35). The source territory is always
// ma1.count1. All battle state lives in the captions below, so every battle
// starts again from the design-time values.

#include <array>
#include <string>

#include "ui/screen.h"

class Program;

class BattleScreen : public ui::Screen {
 public:
  explicit BattleScreen(Program& program);

  void Form_Load() override;

  // The player attacks (ma1.Label34 is 1), else a computer nation attacks the player.
  bool attackBattle() const;
  // The attacker's territory and the territory fought for; -1 for none.
  int source() const;
  int target() const;

  ui::Frame Frame4{this, "Frame4", {.at = {480, 240, 3975, 4395}}};
  // The attacker's nation.
  ui::Image Image1{
      this,
      "Image1",
      {.at = {120, 180, 3735, 4095}, .picture = "da1.t(0)", .stretch = true, .in = &Frame4}};
  ui::Frame Frame3{this, "Frame3", {.at = {7080, 240, 3975, 4395}}};
  // The defender's nation.
  ui::Image Image2{
      this,
      "Image2",
      {.at = {120, 180, 3735, 4095}, .picture = "da1.t(1)", .stretch = true, .in = &Frame3}};

  // The battle turn, "第1ターン".
  ui::Label Label17{this,
                    "Label17",
                    {.at = {4560, 300, 2415, 480},
                     .caption = "第1ターン",
                     .font = {ui::kBrush, 18},
                     .fore = {4210752},
                     .align = ui::Align::Center}};

  // The target territory.
  ui::Frame Frame9{this, "Frame9", {.at = {4560, 960, 2415, 2655}}};
  ui::Label Label13{this,
                    "Label13",
                    {.at = {120, 240, 2175, 300},
                     .caption = "エドワード港",
                     .font = {ui::kGothic, 11.25, true},
                     .align = ui::Align::Center,
                     .in = &Frame9}};
  ui::Label Label14{this, "Label14", heading(720, "商業価値")};
  ui::Label Label15{this, "Label15", heading(1080, "農業価値")};
  ui::Label Label16{this, "Label16", heading(1440, "港 価 値")};
  ui::Label Label19{this, "Label19", heading(1800, "民忠誠度")};
  ui::Label Label20{this, "Label20", heading(2160, "資       金")};
  ui::Frame Frame10{this, "Frame10", {.at = {4560, 3720, 2415, 855}, .caption = "城防御"}};
  // The castle of the target territory.
  ui::Label Label22{this,
                    "Label22",
                    {.at = {240, 360, 1935, 300},
                     .caption = "Label22",
                     .font = {ui::kGothic, 12, true},
                     .fore = {ui::kRed},
                     .align = ui::Align::Center,
                     .in = &Frame10,
                     .heading = &Frame10}};

  // The attacker's side.
  ui::Frame Frame7{this, "Frame7", {.at = {480, 4680, 3975, 1095}}};
  ui::Label Label1{this, "Label1", side(&Frame7, 0, 60, 1095, "攻 撃 側")};
  ui::Label Label9{this, "Label9",
                   side(&Frame7, 1320, 60, 2415, "", &Label1)};  // the attacker's nation
  ui::Label Label3{this, "Label3", side(&Frame7, 0, 360, 1095, "武 装 度")};
  ui::Label Label8{this, "Label8", side(&Frame7, 1320, 360, 1215, "200", &Label3)};  // armament
  ui::Label Label5{this, "Label5", side(&Frame7, 0, 660, 1095, "兵 士 数")};
  ui::Label Label7{this, "Label7", side(&Frame7, 1320, 660, 1215, "100", &Label5)};  // soldiers

  // The defender's side.
  ui::Frame Frame8{this, "Frame8", {.at = {7080, 4680, 3975, 1095}}};
  ui::Label Label2{this, "Label2", side(&Frame8, 0, 60, 1095, "守 備 側")};
  ui::Label Label12{this, "Label12",
                    side(&Frame8, 1320, 60, 2415, "", &Label2)};  // the defender's nation
  ui::Label Label4{this, "Label4", side(&Frame8, 0, 360, 1095, "武 装 度")};
  ui::Label Label11{this, "Label11", side(&Frame8, 1320, 360, 1215, "120", &Label4)};  // armament
  ui::Label Label6{this, "Label6", side(&Frame8, 0, 660, 1095, "兵 士 数")};
  ui::Label Label10{this, "Label10", side(&Frame8, 1320, 660, 1215, "200", &Label6)};  // soldiers

  // The commanders' speech boxes.
  ui::Shape Shape1{
      this, "Shape1", {.at = {480, 5880, 3975, 1095}, .filled = true, .fill = {ui::kWhite}}};
  ui::Label Label18{this, "Label18", speech(480)};  // the attacker's commander
  ui::Shape Shape2{
      this, "Shape2", {.at = {7080, 5880, 3975, 1095}, .filled = true, .fill = {ui::kWhite}}};
  ui::Label Label21{this, "Label21", speech(7080)};  // the defender's commander

  // The attacker's commands.
  ui::Frame Frame5{this, "Frame5", {.at = {120, 7080, 5775, 1335}, .caption = "攻撃側"}};
  ui::Button Command1{this, "Command1",
                      command(&Frame5, 0, "ma2.Command1", "通常攻撃", "攻撃します"),
                      [this] { Command1_Click(); }};
  ui::Button Command2{this, "Command2",
                      command(&Frame5, 1, "ma2.Command2", "突    撃", "武装を犠牲にして攻撃します"),
                      [this] { Command2_Click(); }};
  ui::Button Command3{this, "Command3",
                      command(&Frame5, 2, "ma2.Command3", "内応工作", "敵兵を裏切らせます"),
                      [this] { Command3_Click(); }};
  ui::Button Command4{this, "Command4",
                      command(&Frame5, 3, "ma2.Command4", "城 破 壊", "敵城を破壊します"),
                      [this] { Command4_Click(); }};
  ui::Button Command5{this, "Command5",
                      command(&Frame5, 4, "ma2.Command5", "退    却", "この戦から退きます"),
                      [this] { Command5_Click(); }};

  // The defender's commands.
  ui::Frame Frame6{this, "Frame6", {.at = {6105, 7080, 5775, 1335}, .caption = "守備側"}};
  ui::Button Command11{this, "Command11",
                       command(&Frame6, 0, "ma2.Command11", "通常攻撃", "攻撃します"),
                       [this] { Command11_Click(); }};
  ui::Button Command12{
      this, "Command12",
      command(&Frame6, 1, "ma2.Command12", "突     撃", "武装を犠牲にして攻撃します"),
      [this] { Command12_Click(); }};
  ui::Button Command13{this, "Command13",
                       command(&Frame6, 2, "ma2.Command13", "内応工作", "敵兵を裏切らせます"),
                       [this] { Command13_Click(); }};
  ui::Button Command14{this, "Command14",
                       command(&Frame6, 3, "ma2.Command14", "武装攻撃", "相手の武装を攻撃します"),
                       [this] { Command14_Click(); }};
  ui::Button Command15{this, "Command15",
                       command(&Frame6, 4, "ma2.Command15", "退     却", "この戦いから退きます"),
                       [this] { Command15_Click(); }};

  // The battle state, never visible.
  // The running action: 1 normal attack, 2 charge, 3 subversion, 4 castle
  // destruction or armament attack, 5 retreat.
  ui::Label ko{this, "ko", state("0")};
  ui::Label Label23{this, "Label23", state("0")};  // step of the opening dialogue
  ui::Label Label26{this, "Label26", state("0")};  // phase of the action
  ui::Label Label25{this, "Label25", state("0")};  // phase of the reply
  ui::Label Label24{this, "Label24", state("0")};  // phase of the end sequence
  ui::Label Label27{this, "Label27", state("1")};  // the battle turn
  ui::Label Label28{this, "Label28", state("0")};  // 1 once subversion has been used

  // Timer1 speaks the opening; Timer2 and Timer4 run the player's action and
  // the defender's reply of an attack battle, Timer5 and Timer6 the same in a
  // defence battle; Timer3 and Timer7 end the battle; Timer8 keeps subversion
  // locked once it has been used.
  ui::Timer Timer1{
      this, "Timer1", {.interval = 2000, .enabled = false}, [this] { Timer1_Timer(); }};
  ui::Timer Timer2{
      this, "Timer2", {.interval = 1000, .enabled = false}, [this] { Timer2_Timer(); }};
  ui::Timer Timer3{
      this, "Timer3", {.interval = 2000, .enabled = false}, [this] { Timer3_Timer(); }};
  ui::Timer Timer4{
      this, "Timer4", {.interval = 1000, .enabled = false}, [this] { Timer4_Timer(); }};
  ui::Timer Timer5{
      this, "Timer5", {.interval = 1000, .enabled = false}, [this] { Timer5_Timer(); }};
  ui::Timer Timer6{
      this, "Timer6", {.interval = 1000, .enabled = false}, [this] { Timer6_Timer(); }};
  ui::Timer Timer7{
      this, "Timer7", {.interval = 2000, .enabled = false}, [this] { Timer7_Timer(); }};
  ui::Timer Timer8{this, "Timer8", {.interval = 10, .enabled = true}, [this] { Timer8_Timer(); }};

 private:
  void Timer1_Timer();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command11_Click();
  void Command12_Click();
  void Command13_Click();
  void Command14_Click();
  void Command15_Click();
  void Timer8_Timer();
  void Timer2_Timer();
  void Timer4_Timer();
  void Timer5_Timer();
  void Timer6_Timer();
  void Timer3_Timer();
  void Timer7_Timer();

  // The captions of one side's action, told for the side that acts.
  struct Roles {
    ui::Label& own;        // own soldiers
    ui::Label& ownArms;    // own armament
    ui::Label& enemy;      // enemy soldiers
    ui::Label& ownSpeech;  // own commander
    ui::Label& enemySpeech;
    bool attacker;  // the attacker acts
  };
  Roles roles(bool attackerActs);

  // The commands: the row of the acting side is closed until the reply ends.
  void startAction(const char* code, bool attackerRow);
  // One phase of the player's command, and of the computer's normal attack.
  void action(bool attackerActs, ui::Timer& running, ui::Timer& replyTimer, ui::Timer& endTimer);
  void reply(bool attackerActs, ui::Timer& running, ui::Timer& endTimer);
  void combat(Roles& side, bool charge);
  // Starts the end sequence when a side fell below none, else the reply
  // (for an action) or the next battle turn (for a reply).
  void afterCombat(ui::Timer& running, ui::Timer* replyTimer, ui::Timer& endTimer);
  void endOfTurn(ui::Timer& running);
  void castleDestruction(double r);
  void armamentAttack(double r);
  void attackerRetreat(const std::string& phase, double r);
  void defenderRetreat(const std::string& phase, double r);
  void endSequence(bool attack);

  // Write-backs: the target keeps its ruler and the defenders' values, or
  // falls to `ruler` with the attacker's survivors.
  void keepTarget();
  void loseTarget(const std::string& ruler);
  // The two rows of commands: the attacker's and the defender's.
  std::array<ui::Button*, 5> attackerCommands();
  std::array<ui::Button*, 5> defenderCommands();
  static void enable(const std::array<ui::Button*, 5>& row, bool enabled);
  // The end of the player's attack: the step ends and the battle closes.
  void leaveAttackBattle();

  ui::LabelDesign heading(int top, const char* caption);
  ui::LabelDesign side(ui::Frame* frame, int left, int top, int width, const char* caption,
                       const ui::Label* heading = nullptr);
  ui::LabelDesign speech(int left);
  ui::ButtonDesign command(ui::Frame* frame, int place, const char* picture, const char* caption,
                           const char* tooltip);
  ui::LabelDesign state(const char* caption);

  Program& program_;
};
