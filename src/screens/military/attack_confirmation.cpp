// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/military/attack_confirmation.h"

#include <string>

#include "screens/program.h"
#include "ui/convert.h"
#include "world/scenario.h"

using ui::Val;

namespace {

constexpr ui::Color kWhiteText{ui::kWhite};
constexpr ui::Color kBlackBack{ui::kBlack};

}  // namespace

AttackConfirmation::AttackConfirmation(Program& program)
    : ui::Screen(program, "ma4",
                 {.background = ui::Color{ui::kBlack},
                  .close = ui::CloseBox::Cancel,
                  .spoken = "攻撃の確認"}),
      program_(program) {}

ui::FrameDesign AttackConfirmation::side(int left) {
  return {.at = {left, 600, 4320, 5880}, .fore = kWhiteText, .back = kBlackBack};
}

ui::FrameDesign AttackConfirmation::portraitFrame(ui::Frame* in) {
  return {.at = {1335, 300, 1650, 1800}, .fore = kWhiteText, .back = kBlackBack, .in = in};
}

ui::ImageDesign AttackConfirmation::portrait(ui::Frame* in) {
  return {.at = {75, 180, 1500, 1500}, .stretch = true, .in = in};
}

ui::LabelDesign AttackConfirmation::whiteText(ui::Rect at, const char* caption, ui::Font font,
                                              ui::Frame* in) {
  return {.at = at,
          .caption = caption,
          .font = font,
          .fore = kWhiteText,
          .back = kBlackBack,
          .align = ui::Align::Center,
          .in = in};
}

ui::LabelDesign AttackConfirmation::name(const char* caption, ui::Frame* in) {
  return whiteText({120, 2250, 4080, 435}, caption, {ui::kGothic, 14.25, true}, in);
}

ui::LabelDesign AttackConfirmation::heading(int top, const char* caption, ui::Frame* in) {
  return whiteText({120, top, 4080, 330}, caption, {ui::kGothic, 12}, in);
}

ui::LabelDesign AttackConfirmation::value(int top, const char* caption, ui::Frame* in,
                                          const ui::Label* heading) {
  ui::LabelDesign design =
      whiteText({120, top + 360, 4080, 420}, caption, {ui::kGothic, 14.25, true}, in);
  design.heading = heading;
  return design;
}

int AttackConfirmation::target() const {
  const std::string& chosen = program_.ma3().Label10.caption();
  return chosen.empty() ? -1 : world::territoryIndex(chosen);
}

void AttackConfirmation::Form_Load() {
  AttackSetup& ma3 = program_.ma3();
  NationData& da1 = program_.da1();
  TerritoryEconomy& da2 = program_.da2();
  TerritoryStrength& da3 = program_.da3();

  // The defender, as it stands now.
  const int tgt = target();
  if (tgt >= 0) {
    const int e = world::nationIndex(da2.m(tgt).caption());
    if (e >= 0) {
      Image1.setPicture(da1.t(e).picture());
      Label1.setCaption(da1.tt(e).caption());
    }
    Label6.setCaption(da3.f(tgt).caption());
    Label7.setCaption(da3.w(tgt).caption());
    Label8.setCaption(da3.q(tgt).caption());
  }

  // The player's force.
  const int src = world::territoryIndex(program_.ma1().count1.caption());
  if (src >= 0) {
    const int o = world::nationIndex(da2.m(src).caption());
    if (o >= 0) {
      Image2.setPicture(da1.t(o).picture());
      Label5.setCaption(da1.tt(o).caption());
    }
  }
  Label10.setCaption(ma3.Label3.caption());
  Label12.setCaption(ma3.Label4.caption());
  if (src >= 0) Label14.setCaption(da3.q(src).caption());
}

void AttackConfirmation::Command1_Click() {
  MainScreen& ma1 = program_.ma1();
  TerritoryStrength& da3 = program_.da3();
  const int src = world::territoryIndex(ma1.count1.caption());
  // Without a source and a target there is no attack to commit.
  if (src < 0 || target() < 0) return;

  // The force marches out; the territory keeps one soldier and one unit of
  // armament more than the plain difference.
  da3.f(src).setCaption(Val(da3.f(src).caption()) - Val(Label10.caption()) + 1);
  da3.w(src).setCaption(Val(da3.w(src).caption()) - Val(Label12.caption()) + 1);
  ma1.Label34.setCaption("1");

  // The attack is under way: it can be committed only once, this screen
  // stays for the battle to read, and no other command of the step may run
  // (it would end the step and close the screens the battle reads) until the
  // battle ends it: the investment dialog and the movement screen close as
  // their cancel would, and the main screen's commands go off. Quitting the
  // game stays possible.
  Command1.setEnabled(false);
  Command2.setEnabled(false);
  program_.kin.unload();
  program_.ma6.unload();
  for (ui::Button* button : ma1.commands())
    if (button != &ma1.Command11) button->setEnabled(false);

  program_.ma2.show();
}

// The close box too; once the attack is committed there is no way back.
void AttackConfirmation::Command2_Click() {
  if (!Command1.enabled()) return;
  program_.ma4.unload();
}
