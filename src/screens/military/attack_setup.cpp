// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/military/attack_setup.h"

#include <string>

#include "screens/program.h"
#include "ui/convert.h"
#include "world/neighbours.h"
#include "world/scenario.h"

using ui::Val;

namespace {

struct TerritoryButton {
  int left, top;  // twips inside the map frame
  const char* tooltip;
};

// s0 to s34, each over its territory on the map. Three tooltips keep older
// names of their places: 1, 6 and 26.
constexpr TerritoryButton kButtons[world::kTerritories] = {
    {7800, 480, "グラドウェン防壁"}, {6720, 1080, "サン･スー地域"},
    {5880, 1440, "キルク城"},        {6720, 2160, "ウォール領"},
    {4800, 3240, "マクレー領"},      {5280, 3960, "エドワード港"},
    {6000, 3480, "ワットス山砦"},    {6240, 4320, "モール城"},
    {5880, 5040, "オックス港"},      {4320, 5880, "リン自治領"},
    {3480, 5040, "リン教皇領"},      {4440, 4560, "ルーヴェン城"},
    {3840, 3720, "ルーブエン街道"},  {2640, 5160, "ミュードラン植民地"},
    {1800, 5280, "ブゥーオ市場"},    {720, 4920, "ドウィ城"},
    {2160, 3960, "ブゥーオ渓谷"},    {1080, 3720, "ハイランド城"},
    {600, 1440, "東ムルウ高原"},     {1440, 1680, "アグリ城"},
    {1440, 2520, "トムロ草原"},      {600, 2880, "エリオット領"},
    {2880, 1200, "南ムルウ高原"},    {3840, 1800, "ムルウ山林"},
    {3000, 1920, "ヌン僧院"},        {3600, 2640, "ファンダリア領"},
    {2160, 2160, "ジョージン宮殿"},  {2640, 3000, "ヴォムルドー城"},
    {4560, 1200, "南ムルウ砦"},      {3600, 1080, "ラッツオ城"},
    {4320, 480, "ドラーゲン塔"},     {5040, 1920, "南ムルウ農園"},
    {5400, 480, "マクベス領"},       {1320, 840, "ムルウ山頂"},
    {2160, 480, "リンディー森林"},
};

constexpr int kButtonSize = 615;

constexpr const char* kSoldiersError = "兵士数エラー";
constexpr const char* kArmamentError = "武装エラー";

}  // namespace

AttackSetup::AttackSetup(Program& program)
    : ui::Screen(program, "ma3", {.close = ui::CloseBox::Cancel, .spoken = "軍事行動"}),
      program_(program) {
  // The red roads between neighbours run from button centre to button centre,
  // over the map and under the buttons.
  int number = 0;
  for (auto [a, b] : world::neighbourPairs()) {
    const int half = kButtonSize / 2;
    lines_.push_back(std::make_unique<ui::Line>(this, "Line" + std::to_string(++number),
                                                ui::LineDesign{.x1 = kButtons[a].left + half,
                                                               .y1 = kButtons[a].top + half,
                                                               .x2 = kButtons[b].left + half,
                                                               .y2 = kButtons[b].top + half,
                                                               .color = {ui::kRed},
                                                               .width = 2,
                                                               .in = &Frame3}));
  }
  for (int i = 0; i < world::kTerritories; ++i) {
    const TerritoryButton& button = kButtons[i];
    s_.push_back(std::make_unique<ui::Button>(
        this, "s" + std::to_string(i),
        ui::ButtonDesign{.at = {button.left, button.top, kButtonSize, kButtonSize},
                         .tooltip = button.tooltip,
                         .picture = "ma3.s" + std::to_string(i),
                         .enabled = false,
                         .graphical = true,
                         .in = &Frame3,
                         .place = true},
        [this, i] { s_Click(i); }));
  }
}

ui::LabelDesign AttackSetup::available(int top, const char* caption, ui::Frame* in) {
  return {.at = {180, top, 1440, 300}, .caption = caption, .font = {ui::kGothic, 11.25}, .in = in};
}

ui::LabelDesign AttackSetup::availableValue(int top, ui::Frame* in, const ui::Label* heading) {
  return {.at = {1680, top, 1200, 300},
          .caption = "0",
          .font = {ui::kGothic, 11.25, true},
          .align = ui::Align::Right,
          .in = in,
          .heading = heading};
}

ui::LabelDesign AttackSetup::amount(ui::Frame* in) {
  return {.at = {180, 780, 2670, 420},
          .caption = "0",
          .font = {ui::kGothic, 14.25, true},
          .back = {ui::kWhite},
          .align = ui::Align::Center,
          .border = true,
          .in = in,
          .heading = in};
}

ui::ButtonDesign AttackSetup::step(int column, int row, const char* caption, ui::Frame* in) {
  return {.at = {120 + column * 945, 1380 + row * 495, 885, 435},
          .caption = caption,
          .font = {ui::kGothic, 11.25},
          .in = in};
}

bool AttackSetup::confirming() const { return program_.ma4.loaded(); }

void AttackSetup::Form_Load() {
  Image1.setPicture(program_.da1().Image1.picture());

  // Outside a territory step there is no source: nothing is offered.
  const std::string& count1 = program_.ma1().count1.caption();
  const int src = world::territoryIndex(count1);
  if (src < 0) return;
  Label2.setCaption(program_.da2().n(src).caption());
  Label7.setCaption(program_.da3().f(src).caption());
  Label8.setCaption(program_.da3().w(src).caption());

  // The roads start only from a whole territory index; the labels above
  // round a fractional one.
  if (Val(count1) == src)
    for (int j : world::neighbours(src)) s(j).setEnabled(true);

  const std::string& player = program_.ma1().mm.caption();
  for (int i = 0; i < world::kTerritories; ++i)
    if (program_.da2().m(i).caption() == player) s(i).setEnabled(false);
}

int AttackSetup::target() const {
  // An empty caption is a choice not made yet, not territory 0.
  if (Label10.caption().empty()) return -1;
  return world::territoryIndex(Label10.caption());
}

const ui::Widget* AttackSetup::chosenTerritory() const {
  const int chosen = target();
  return chosen < 0 ? nullptr : &s(chosen);
}

const ui::Widget* AttackSetup::stepTerritory() const {
  const MainScreen* ma1 = program_.ma1.get();
  const int src = ma1 ? world::territoryIndex(ma1->count1.caption()) : -1;
  return src < 0 ? nullptr : &s(src);
}

void AttackSetup::s_Click(int i) {
  if (confirming()) return;
  Label10.setCaption(i);
}

void AttackSetup::Timer1_Timer() {
  const int chosen = target();
  if (chosen < 0) return;
  Command1.setEnabled(true);
  Label11.setCaption(program_.da2().n(chosen).caption() + "に攻め込む");
}

void AttackSetup::add(ui::Label& amount, const ui::Label& limit, double step, const char* error) {
  if (confirming()) return;
  amount.setCaption(Val(amount.caption()) + step);
  if (Val(limit.caption()) < Val(amount.caption())) {
    amount.setCaption("0");
    Label9.setCaption(error);
  } else {
    Label9.setCaption("");
  }
}

void AttackSetup::Command3_Click() { add(Label3, Label7, 10, kSoldiersError); }
void AttackSetup::Command4_Click() { add(Label3, Label7, 50, kSoldiersError); }
void AttackSetup::Command5_Click() { add(Label3, Label7, 100, kSoldiersError); }
void AttackSetup::Command6_Click() { add(Label3, Label7, 200, kSoldiersError); }
void AttackSetup::Command7_Click() { add(Label3, Label7, 500, kSoldiersError); }

void AttackSetup::Command8_Click() {
  if (confirming()) return;
  Label3.setCaption("0");
}

void AttackSetup::Command9_Click() { add(Label4, Label8, 5, kArmamentError); }
void AttackSetup::Command10_Click() { add(Label4, Label8, 10, kArmamentError); }
void AttackSetup::Command11_Click() { add(Label4, Label8, 50, kArmamentError); }
void AttackSetup::Command12_Click() { add(Label4, Label8, 100, kArmamentError); }
void AttackSetup::Command13_Click() { add(Label4, Label8, 200, kArmamentError); }

void AttackSetup::Command14_Click() {
  if (confirming()) return;
  Label4.setCaption("0");
}

void AttackSetup::Command1_Click() {
  if (Val(Label3.caption()) == 0) {
    Label9.setCaption("兵士数を入力してください");
  } else if (Val(Label4.caption()) == 0) {
    Label9.setCaption("武装を入力してください");
  } else if (!Label10.caption().empty()) {
    program_.ma4.show();
  }
}

// The close box too. Once the confirmation is open, the attack it shows
// depends on this screen, so only the confirmation's own cancel leads back.
void AttackSetup::Command2_Click() {
  if (confirming()) return;
  program_.ma3.unload();
}
