// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/front/nation_selection.h"

#include "screens/program.h"
#include "ui/convert.h"

NationSelection::NationSelection(Program& program)
    : ui::Screen(program, "op2",
                 {.title = "Form1", .background = ui::Color{ui::kBlack}, .spoken = "国の選択"}),
      program_(program) {}

void NationSelection::Command1_Click() {
  Label2.setCaption(ui::Val(Label2.caption()) + 1);
  if (ui::Val(Label2.caption()) == 26) Label2.setCaption(0);
}

void NationSelection::Command2_Click() {
  Label2.setCaption(ui::Val(Label2.caption()) - 1);
  if (ui::Val(Label2.caption()) == -1) Label2.setCaption(25);
}

void NationSelection::Command3_Click() {
  program_.ma1.show();
  // Written before the main screen's first tick, 500 ms away, reads it.
  program_.ma1().mm.setCaption(Label2.caption());
  program_.op2.unload();
}

void NationSelection::Timer1_Timer() {
  const int j = ui::CInt(Label2.caption());
  Label3.setCaption(program_.da1().tt(j).caption());
  Image1.setPicture(program_.da1().t(j).picture());
}
