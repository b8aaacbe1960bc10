// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main screen `ma1`, on which the game is played. Its left half is the
// command frame: the status panel of the running territory step, the
// calendar, the status line and the command buttons. Its right half is the
// map with its eight clickable regions and the picture of the last region
// chosen. It also holds the game state as hidden labels and the two timers
// that drive the game: Timer1 opens one territory step per tick and closes
// the months, Timer2 runs the phases of each step.

#include <array>
#include <optional>

#include "ui/screen.h"

class Program;

class MainScreen : public ui::Screen {
 public:
  explicit MainScreen(Program& program);

  // Fills the status panel with territory i as it stands.
  void refreshPanel(int i);
  // Hands territory i to the player: writes "あなたのターンです", enables the
  // commands its values and the player's nation allow, and stops Timer2 so
  // that nothing advances until a command ends the step.
  void playerStep(int i);
  // What every command that completes the player's step does last, and the
  // end of a battle: closes the step's screens still open, disables all
  // fifteen command buttons and hands the step back.
  void endCommand();
  // Command1 to Command15, by number.
  std::array<ui::Button*, 15> commands();
  // Restarts Timer2 after the player, a battle or a siege held the step; its
  // next tick is the hand-back phase, which lets Timer1 go on.
  void handBack();

  void Timer1_Timer();
  void Timer2_Timer();

  // The command frame, and inside it the status panel.
  ui::Frame Frame3{this, "Frame3", {.at = {120, 120, 6375, 8775}}};
  ui::Frame Frame4{this, "Frame4", {.at = {120, 120, 3975, 7695}, .in = &Frame3}};
  // Name of the territory.
  ui::Label Label16{this,
                    "Label16",
                    {.at = {600, 240, 3015, 375},
                     .font = {ui::kGothic, 15.75, true},
                     .align = ui::Align::Center,
                     .in = &Frame4}};
  ui::Label Label15{this,
                    "Label15",
                    {.at = {240, 1080, 1200, 300},
                     .caption = "支       配",
                     .font = {ui::kGothic, 12},
                     .in = &Frame4}};
  // The ruling nation: its name and portrait.
  ui::Label Label11{this,
                    "Label11",
                    {.at = {1440, 1080, 2415, 255},
                     .font = {ui::kGothic, 12},
                     .in = &Frame4,
                     .heading = &Label15}};
  ui::Frame Frame5{this, "Frame5", {.at = {1200, 1440, 1695, 1935}, .in = &Frame4}};
  ui::Image Image11{
      this, "Image11", {.at = {120, 210, 1455, 1620}, .stretch = true, .in = &Frame5}};
  ui::Label Label17{this, "Label17", heading(3840, "商業価値")};
  ui::Label Label18{this, "Label18", value(3840, &Label17)};  // commerce
  ui::Label Label19{this, "Label19", heading(4320, "農業価値")};
  ui::Label Label20{this, "Label20", value(4320, &Label19)};  // agriculture
  ui::Label Label21{this, "Label21", heading(4800, "港 価 値")};
  ui::Label Label22{this, "Label22", value(4800, &Label21)};  // port
  ui::Label Label23{this, "Label23", heading(5280, "城 価 値")};
  ui::Label Label24{this, "Label24", value(5280, &Label23)};  // castle
  ui::Label Label25{this, "Label25", heading(5760, "武     装 ")};
  ui::Label Label26{this, "Label26", value(5760, &Label25)};  // armament
  ui::Label Label27{this, "Label27", heading(6240, "民忠誠度")};
  ui::Label Label28{this, "Label28", value(6240, &Label27)};  // loyalty
  ui::Label Label29{this, "Label29", heading(6720, "資      金")};
  ui::Label Label31{this, "Label31", value(6720, &Label29)};  // funds
  ui::Label Label30{this, "Label30", heading(7200, "兵 士 数")};
  ui::Label Label32{this, "Label32", value(7200, &Label30)};  // soldiers

  ui::Frame Frame6{this, "Frame6", {.at = {120, 7800, 3975, 735}, .in = &Frame3}};
  // Status line: the newest message of the game; nothing clears it.
  ui::Label Label33{this,
                    "Label33",
                    {.at = {120, 210, 3735, 480},
                     .caption = "群星の年代記",
                     .font = {ui::kGothic, 9.75},
                     .fore = {ui::kRed},
                     .in = &Frame6}};

  // The calendar: year, "年", month, "月".
  ui::Label Label10{this, "Label10", calendar(4320, 660, "1230", ui::Align::Right)};
  ui::Label Label12{this, "Label12", calendar(5010, 300, "年", ui::Align::Left)};
  ui::Label Label13{this, "Label13", calendar(5340, 360, "11", ui::Align::Right)};
  ui::Label Label14{this, "Label14", calendar(5730, 300, "月", ui::Align::Left)};

  // The commands, two columns of graphical buttons.
  ui::Button Command1{this, "Command1",
                      command("ma1.Command1", 4200, 480, "商業投資", "商業を盛んにさせます", "C"),
                      [this] { Command1_Click(); }};
  ui::Button Command2{this, "Command2",
                      command("ma1.Command2", 5280, 480, "農業投資", "農業を盛んにさせます", "F"),
                      [this] { Command2_Click(); }};
  ui::Button Command3{
      this, "Command3",
      command("ma1.Command3", 4200, 1440, "港 投 資", "港に投資して交易を盛んにさせます", "P"),
      [this] { Command3_Click(); }};
  ui::Button Command4{this, "Command4",
                      command("ma1.Command4", 5280, 1440, "城 投 資", "城の守りを固めます", "K"),
                      [this] { Command4_Click(); }};
  ui::Button Command5{
      this, "Command5",
      command("ma1.Command5", 4200, 2400, "武装投資", "兵士の攻撃力をあげます", "A"),
      [this] { Command5_Click(); }};
  ui::Button Command6{this, "Command6",
                      command("ma1.Command6", 5280, 2400, "民 投 資", "民にお金を与えます", "G"),
                      [this] { Command6_Click(); }};
  ui::Button Command7{
      this, "Command7",
      command("ma1.Command7", 4200, 3360, "軍事行動", "他国へ侵略を開始します", "W"),
      [this] { Command7_Click(); }};
  // Hidden and without effect; switched on and off with the others.
  ui::Button Command8{
      this,
      "Command8",
      {.at = {5280, 6240, 375, 180}, .caption = "Command8", .visible = false, .in = &Frame3}};
  ui::Button Command9{
      this, "Command9",
      command("ma1.Command9", 4200, 6240, "ターン終了", "このターンは何もしません", "E"),
      [this] { Command9_Click(); }};
  ui::Button Command10{this, "Command10",
                       command("ma1.Command10", 5280, 3360, "兵士徴兵", "兵士を雇い入れます", "R"),
                       [this] { Command10_Click(); }};
  // Quit: a picture instead of a caption, and the one command open at the start.
  ui::Button Command11{this,
                       "Command11",
                       {.at = {4200, 7200, 2055, 1455},
                        .tooltip = "群星の年代記を終了します",
                        .picture = "ma1.Command11",
                        .graphical = true,
                        .in = &Frame3,
                        .keys = "Ctrl+Q",
                        .spoken = "終了"},
                       [this] { Command11_Click(); }};
  ui::Button Command12{
      this, "Command12",
      command("ma1.Command12", 4200, 5280, "略    奪", "自国の町よりお金を略奪します", "L"),
      [this] { Command12_Click(); }};
  ui::Button Command13{
      this, "Command13",
      command("ma1.Command13", 5280, 4320, "狩     猟", "森や海に出て狩猟を行います", "H"),
      [this] { Command13_Click(); }};
  ui::Button Command14{
      this, "Command14",
      command("ma1.Command14", 4200, 4320, "移     動", "兵士や武装を移動させます", "M"),
      [this] { Command14_Click(); }};
  ui::Button Command15{
      this, "Command15",
      command("ma1.Command15", 5280, 5280, "布教活動", "布教活動を行い民衆の支持を得ます", "B"),
      [this] { Command15_Click(); }};

  // The map: region names and invisible click areas over the continent.
  ui::Frame Frame1{this, "Frame1", {.at = {6600, 120, 5295, 3975}}};
  ui::Image Image1{
      this,
      "Image1",
      {.at = {120, 240, 5055, 3615}, .picture = "ma1.Image1", .stretch = true, .in = &Frame1}};
  ui::Label Label1{this, "Label1", regionName(3600, 960, 1560, "グラドウェン砂漠"),
                   [this] { viewRegion(1); }};
  ui::Label Label2{this, "Label2", regionName(3240, 2400, 1170, "東ムルウ半島"),
                   [this] { viewRegion(2); }};
  ui::Label Label3{this, "Label3", regionName(1680, 2520, 1170, "西ムルウ半島"),
                   [this] { viewRegion(3); }};
  ui::Label Label4{this, "Label4", regionName(240, 2520, 780, "マー海岸"),
                   [this] { viewRegion(4); }};
  ui::Label Label5{this, "Label5", regionName(1320, 1440, 1365, "中央ムルウ草原"),
                   [this] { viewRegion(5); }};
  ui::Label Label6{this, "Label6", regionName(1560, 600, 975, "ムルウ高原"),
                   [this] { viewRegion(6); }};
  ui::Label Label7{this, "Label7", regionName(120, 1320, 585, "オウド"), [this] { viewRegion(7); }};
  ui::Label Label8{this, "Label8", regionName(120, 480, 735, "ムルウ山"),
                   [this] { viewRegion(8); }};
  ui::Image Image3{this, "Image3", area(3240, 1920, 1215, 975), [this] { viewRegion(2); }};
  ui::Image Image4{this, "Image4", area(1440, 1920, 1815, 1455), [this] { viewRegion(3); }};
  ui::Image Image5{this, "Image5", area(3480, 240, 1695, 1695), [this] { viewRegion(1); }};
  ui::Image Image6{this, "Image6", area(840, 240, 2655, 975), [this] { viewRegion(6); }};
  ui::Image Image7{this, "Image7", area(120, 240, 735, 735), [this] { viewRegion(8); }};
  ui::Image Image8{this, "Image8", area(120, 1920, 1335, 1455), [this] { viewRegion(4); }};
  ui::Image Image9{this, "Image9", area(120, 960, 735, 975), [this] { viewRegion(7); }};
  ui::Image Image10{this, "Image10", area(840, 1200, 2655, 735), [this] { viewRegion(5); }};

  // The picture of the chosen region, with its name.
  ui::Frame Frame2{this, "Frame2", {.at = {6600, 4080, 5295, 4815}}};
  ui::Image Image2{
      this,
      "Image2",
      {.at = {120, 240, 5055, 4095}, .picture = "ma1.Image2", .stretch = true, .in = &Frame2}};
  ui::Label Label9{this,
                   "Label9",
                   {.at = {1680, 4440, 1935, 300},
                    .caption = "グラドウェン砂漠",
                    .font = {ui::kUiGothic, 11.25},
                    .align = ui::Align::Center,
                    .in = &Frame2}};

  // The game state, never visible.
  ui::Label mm{this, "mm", state("9")};  // the player's nation
  // The territory of the running step; 35 and 36 close the month.
  ui::Label count1{this, "count1", state("-1")};
  ui::Label count2{this, "count2", state("0")};  // phase of Timer2: 1 event, 2 command, 3 hand-back
  ui::Label k{this, "k", state("0")};            // the player's territories; the computer's action
  ui::Label ai{this, "ai", state("35")};         // target of the computer's attack; 35 none
  ui::Label t{this, "t", state("")};             // soldiers the computer's attack sends
  ui::Label Label34{this, "Label34", state("0")};   // next battle: 1 the player attacks, 2 defends
  ui::Label Label35{this, "Label35", state("")};    // armament the computer's attack sends
  ui::Label Label36{this, "Label36", state("35")};  // refuge of the player's retreat; 35 none
  ui::Label com{this, "com", state("0")};           // pending command of the investment dialog

  // Timer1 opens the territory steps and closes the months; Timer2 runs each
  // step's phases. At most one of them runs.
  ui::Timer Timer1{this, "Timer1", {.interval = 500, .enabled = true}, [this] { Timer1_Timer(); }};
  ui::Timer Timer2{this, "Timer2", {.interval = 500, .enabled = false}, [this] { Timer2_Timer(); }};

 private:
  // The player's commands.
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command9_Click();
  void Command10_Click();
  void Command11_Click();
  void Command12_Click();
  void Command13_Click();
  void Command14_Click();
  void Command15_Click();

  // Shows the region of a map name label (1 to 8) in Image2 and Label9.
  void viewRegion(int region);
  // What territory i earns this month, or nothing in a month without income.
  std::optional<double> monthlyIncome(int i);
  void closeMonth();

  ui::LabelDesign heading(int row, const char* caption);
  ui::LabelDesign value(int row, const ui::Label* heading);
  ui::LabelDesign calendar(int left, int width, const char* caption, ui::Align align);
  ui::ButtonDesign command(const char* picture, int left, int top, const char* caption,
                           const char* tooltip, const char* key);
  ui::LabelDesign regionName(int left, int top, int width, const char* caption);
  ui::ImageDesign area(int left, int top, int width, int height);
  ui::LabelDesign state(const char* caption);

  Program& program_;
};
