// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/military/siege_screen.h"

#include "screens/program.h"
#include "ui/convert.h"
#include "world/scenario.h"

using ui::Int;
using ui::Val;

namespace {

// A divisor with nothing in it stands for 1: a side with no armament and no
// castle has nothing to shield it, and must not turn the ratio infinite.
double shield(double value) { return value == 0 ? 1 : value; }

}  // namespace

SiegeScreen::SiegeScreen(Program& program)
    : ui::Screen(program, "ma5",
                 {.width = 7335,
                  .height = 4200,
                  .left = 3135,
                  .top = 1830,
                  .title = "Form1",
                  .close = ui::CloseBox::Refuse,
                  .spoken = "攻城戦"}),
      program_(program) {}

ui::ImageDesign SiegeScreen::portrait(ui::Frame* frame) {
  return {.at = {135, 180, 1500, 1500}, .in = frame};
}

ui::LabelDesign SiegeScreen::nation(int left, const char* caption) {
  return {.at = {left, 2010, 2070, 285},
          .caption = caption,
          .font = {ui::kGothic, 9.75, true},
          .align = ui::Align::Center};
}

ui::LabelDesign SiegeScreen::heading(ui::Frame* frame, int top, const char* caption) {
  return {
      .at = {240, top, 1215, 300}, .caption = caption, .font = {ui::kGothic, 11.25}, .in = frame};
}

ui::LabelDesign SiegeScreen::value(ui::Frame* frame, int top, const char* caption,
                                   const ui::Label* heading) {
  return {.at = {1560, top, 1575, 300},
          .caption = caption,
          .font = {ui::kGothic, 11.25, true},
          .align = ui::Align::Right,
          .in = frame,
          .heading = heading};
}

void SiegeScreen::Form_Load() {
  MainScreen& ma1 = program_.ma1();
  NationData& da1 = program_.da1();
  TerritoryEconomy& da2 = program_.da2();
  TerritoryStrength& da3 = program_.da3();
  const int source = world::territoryIndex(ma1.count1.caption());
  const int target = world::territoryIndex(ma1.ai.caption());
  // Without both territories there is no siege: the first tick hands back.
  if (source < 0 || target < 0) {
    Timer1.setEnabled(true);
    return;
  }
  const int a = world::nationIndex(da2.m(source).caption());
  const int b = world::nationIndex(da2.m(target).caption());
  // A side whose nation cannot be told shows no portrait and no name.
  Image1.setPicture(a < 0 ? "" : da1.t(a).picture());
  Image2.setPicture(b < 0 ? "" : da1.t(b).picture());
  Label6.setCaption(da3.q(target).caption());
  Label8.setCaption(ma1.Label35.caption());
  Label7.setCaption(ma1.t.caption());
  Label9.setCaption(da3.f(target).caption());
  Label10.setCaption(da3.w(target).caption());
  Label11.setCaption(a < 0 ? "" : std::string(da1.tt(a).caption()));
  Label12.setCaption(b < 0 ? "" : std::string(da1.tt(b).caption()));
  Label13.setCaption(da2.n(target).caption());
  Timer1.setEnabled(true);
}

void SiegeScreen::Timer1_Timer() {
  TerritoryEconomy& da2 = program_.da2();
  TerritoryStrength& da3 = program_.da3();
  const int source = world::territoryIndex(program_.ma1().count1.caption());
  const int target = world::territoryIndex(program_.ma1().ai.caption());
  if (source < 0 || target < 0) {
    finish();
    return;
  }

  const double x1 = Val(Label10.caption()) / shield(Val(Label8.caption())) * 10;
  const double c = Val(ui::CStr(Val(Label10.caption()) + Val(Label6.caption())));
  const double x2 = Val(Label8.caption()) / shield(c) * 10;

  Label7.setCaption(Val(Label7.caption()) - Int(x1));
  if (Val(Label7.caption()) < 0) Label7.setCaption("0");
  if (Val(Label7.caption()) == 0) {
    da3.f(target).setCaption(Val(Label9.caption()));
    finish();
    return;
  }

  Label9.setCaption(Val(Label9.caption()) - Int(x2));
  if (Val(Label9.caption()) < 0) Label9.setCaption("0");
  if (Val(Label9.caption()) == 0) {
    da3.f(target).setCaption(Val(Label7.caption()));
    da3.w(target).setCaption(Val(Label8.caption()));
    da2.m(target).setCaption(Val(da2.m(source).caption()));
    finish();
    return;
  }

  // The losses are the same on every tick: when neither side loses a soldier
  // the siege would never end, so the defenders hold and the attack fails.
  if (Int(x1) <= 0 && Int(x2) <= 0) {
    da3.f(target).setCaption(Val(Label9.caption()));
    finish();
  }
}

void SiegeScreen::finish() {
  program_.ma1().handBack();
  program_.ma5.unload();
}
