// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/main/main_screen.h"

#include <string>

#include "screens/program.h"
#include "turns/computer_turn.h"
#include "ui/convert.h"
#include "world/nation_sets.h"
#include "world/scenario.h"

using ui::CStrSingle;
using ui::Int;
using ui::Val;

namespace {

struct RegionView {
  int picture;  // Image1 to Image9 of da1
  const char* name;
};

// The map's regions by name label, Label1 to Label8.
constexpr RegionView kRegions[] = {
    {3, "グラドウェン砂漠"}, {2, "東ムルウ半島"}, {4, "西ムルウ半島"}, {5, "マー海岸"},
    {7, "中央ムルウ草原"},   {8, "ムルウ高原"},   {6, "オウド"},       {9, "ムルウ山"},
};

struct SweepView {
  const char* count1;
  RegionView region;
};

// The region shown as the month's sweep reaches these territories.
constexpr SweepView kSweep[] = {
    {"4", {2, "東ムルウ半島"}}, {"9", {4, "西ムルウ半島"}},      {"13", {5, "マー海岸"}},
    {"18", {6, "オウド"}},      {"22", {7, "中央ムルウ草原"}},   {"28", {8, "ムルウ高原"}},
    {"33", {9, "オウド山"}},    {"35", {3, "グラドウェン砂漠"}},
};

// The territories whose month-2 income is a draw.
constexpr int kFebruaryDraws[] = {12, 16, 18, 20, 33, 34};

}  // namespace

MainScreen::MainScreen(Program& program)
    : ui::Screen(program, "ma1",
                 {.title = "Form1",
                  .background = ui::Color{14737632},
                  .menu = true,
                  .spoken = "群星の年代記"}),
      program_(program) {}

void MainScreen::viewRegion(int region) {
  const RegionView& view = kRegions[region - 1];
  Image2.setPicture(program_.da1().regionPicture(view.picture).picture());
  Label9.setCaption(view.name);
}

void MainScreen::refreshPanel(int i) {
  NationData& da1 = program_.da1();
  TerritoryEconomy& da2 = program_.da2();
  TerritoryStrength& da3 = program_.da3();
  Label16.setCaption(da2.n(i).caption());
  // A ruler that names no nation shows an empty name and portrait.
  const int j = world::nationIndex(da2.m(i).caption());
  Image11.setPicture(j < 0 ? "" : da1.t(j).picture());
  Label11.setCaption(j < 0 ? "" : std::string(da1.tt(j).caption()));
  Label18.setCaption(da2.r(i).caption());
  Label20.setCaption(da2.u(i).caption());
  Label22.setCaption(da2.z(i).caption());
  Label24.setCaption(da3.q(i).caption());
  Label26.setCaption(da3.w(i).caption());
  Label28.setCaption(da3.s(i).caption());
  Label31.setCaption(da3.d(i).caption());
  Label32.setCaption(da3.f(i).caption());
}

void MainScreen::playerStep(int i) {
  TerritoryEconomy& da2 = program_.da2();
  TerritoryStrength& da3 = program_.da3();
  Label33.setCaption("あなたのターンです");
  for (ui::Button* button : {&Command1, &Command2, &Command4, &Command5, &Command6, &Command7,
                             &Command8, &Command9, &Command10, &Command11, &Command14})
    button->setEnabled(true);
  const double p = Val(mm.caption());
  if (world::FaithSet.contains(p)) Command15.setEnabled(true);
  if (world::HuntSet.contains(p)) Command13.setEnabled(true);
  if (world::PlunderSet.contains(p)) Command12.setEnabled(true);
  if (Val(da3.s(i).caption()) >= 200) {
    Command6.setEnabled(false);
    Command15.setEnabled(false);
    da3.s(i).setCaption(200);
  }
  // Investments are withdrawn only at exactly their cap.
  if (Val(da2.r(i).caption()) == 2000) Command1.setEnabled(false);
  if (Val(da2.u(i).caption()) == 2000) Command2.setEnabled(false);
  if (Val(da3.w(i).caption()) == 300) Command5.setEnabled(false);
  if (Val(da3.q(i).caption()) == 500) Command4.setEnabled(false);
  if (Val(da3.f(i).caption()) == 1000) Command10.setEnabled(false);
  const double port = Val(da2.z(i).caption());
  if (port != 0) {
    Command3.setEnabled(true);
    if (port == 1500) Command3.setEnabled(false);
  }
  Timer2.setEnabled(false);
}

void MainScreen::endCommand() {
  // The screens of this step close first, as their cancel would, so that
  // none can act once the step has ended.
  program_.kin.unload();
  program_.ma3.unload();
  program_.ma4.unload();
  program_.ma6.unload();
  for (ui::Button* button : commands()) button->setEnabled(false);
  handBack();
}

std::array<ui::Button*, 15> MainScreen::commands() {
  return {&Command1,  &Command2,  &Command3,  &Command4,  &Command5,
          &Command6,  &Command7,  &Command8,  &Command9,  &Command10,
          &Command11, &Command12, &Command13, &Command14, &Command15};
}

void MainScreen::handBack() { Timer2.setEnabled(true); }

void MainScreen::Timer1_Timer() {
  TerritoryEconomy& da2 = program_.da2();
  TerritoryStrength& da3 = program_.da3();

  const double player = Val(mm.caption());
  int territories = 0;
  for (int i = 0; i < world::kTerritories; ++i) {
    if (Val(da3.f(i).caption()) < 0) da3.f(i).setCaption(0);
    if (player == Val(da2.m(i).caption())) ++territories;
  }
  k.setCaption(territories);

  if (territories == world::kTerritories) {
    program_.en1.show();
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    return;
  }
  if (territories == 0) {
    Label33.setCaption("ゲームオーバー");
    program_.end();
  }

  ai.setCaption("35");
  count1.setCaption(Val(count1.caption()) + 1);
  if (const int i = world::territoryIndex(count1.caption()); i >= 0) {
    if (std::optional<double> income = monthlyIncome(i))
      da3.d(i).setCaption(Val(da3.d(i).caption()) + *income);
    refreshPanel(i);
    Timer2.setEnabled(true);
    Timer1.setEnabled(false);
  }

  for (const SweepView& sweep : kSweep)
    if (count1.caption() == sweep.count1) {
      Image2.setPicture(program_.da1().regionPicture(sweep.region.picture).picture());
      Label9.setCaption(sweep.region.name);
    }
  if (count1.caption() == "36") closeMonth();
}

std::optional<double> MainScreen::monthlyIncome(int i) {
  TerritoryEconomy& da2 = program_.da2();
  const bool faith = world::FaithSet.contains(Val(da2.m(i).caption()));
  const double commerce = Val(da2.r(i).caption());
  const double agriculture = Val(da2.u(i).caption());
  const double month = Val(Label13.caption());
  if (month == 1 || month == 4) return faith ? Int(commerce * 3 / 2) : commerce;
  if (month == 2) {
    for (int drawn : kFebruaryDraws)
      if (i == drawn) return ui::IntRnd(program_.random(), 200) + 1;
    return std::nullopt;
  }
  if (month == 7) return faith ? Int(agriculture * 2 / 3) : Int(agriculture * 4 / 3);
  if (month == 8) return faith ? Int(agriculture / 3) : Int(agriculture * 2 / 3);
  if (month == 12) {
    const double port = Val(da2.z(i).caption());
    if (port == 0) return std::nullopt;
    // The upkeep is drawn in single precision and read back from its text,
    // so a draw that reads as 40 costs 41.
    const float x = program_.random().Rnd() * 40.0f;
    return Int(2 * port) - Int(Val(CStrSingle(x)) + 1);
  }
  return std::nullopt;
}

void MainScreen::closeMonth() {
  count1.setCaption(-1);
  if (Val(Label13.caption()) == 12) {
    Label10.setCaption(Val(Label10.caption()) + 1);
    Label13.setCaption(1);
  } else {
    Label13.setCaption(Val(Label13.caption()) + 1);
  }
  Label33.setCaption(Label10.caption() + "年" + Label13.caption() + "月");
}

void MainScreen::Timer2_Timer() { turns::computerTurnTick(program_); }

ui::LabelDesign MainScreen::heading(int row, const char* caption) {
  return {
      .at = {240, row, 1440, 300}, .caption = caption, .font = {ui::kGothic, 12}, .in = &Frame4};
}

ui::LabelDesign MainScreen::value(int row, const ui::Label* heading) {
  return {.at = {1920, row, 1800, 345},
          .font = {ui::kGothic, 14.25},
          .in = &Frame4,
          .heading = heading};
}

ui::LabelDesign MainScreen::calendar(int left, int width, const char* caption, ui::Align align) {
  return {.at = {left, 150, width, 300},
          .caption = caption,
          .font = {ui::kGothic, 12},
          .align = align,
          .in = &Frame3};
}

ui::ButtonDesign MainScreen::command(const char* picture, int left, int top, const char* caption,
                                     const char* tooltip, const char* key) {
  return {.at = {left, top, 975, 855},
          .caption = caption,
          .tooltip = tooltip,
          .picture = picture,
          .enabled = false,
          .graphical = true,
          .in = &Frame3,
          .keys = key};
}

ui::LabelDesign MainScreen::regionName(int left, int top, int width, const char* caption) {
  return {.at = {left, top, width, 255},
          .caption = caption,
          .font = {ui::kGothic, 9, true},
          .fore = {ui::kWhite},
          .transparent = true,
          .in = &Frame1};
}

ui::ImageDesign MainScreen::area(int left, int top, int width, int height) {
  return {.at = {left, top, width, height}, .in = &Frame1};
}

ui::LabelDesign MainScreen::state(const char* caption) {
  return {.caption = caption, .visible = false, .in = &Frame4};
}
