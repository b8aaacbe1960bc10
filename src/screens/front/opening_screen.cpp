// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/front/opening_screen.h"

#include "screens/program.h"
#include "ui/convert.h"

namespace fade {

void play(ui::Label& label, std::span<const Step> schedule, std::string_view tick) {
  for (const Step& step : schedule) {
    if (step.tick != tick) continue;
    if (const auto* color = std::get_if<ui::Color>(&step.effect))
      label.setForeColor(*color);
    else
      label.setCaption(std::string(std::get<std::string_view>(step.effect)));
    return;
  }
}

}  // namespace fade

namespace {

using fade::kBlack;
using fade::kDarkGrey;
using fade::kLightGrey;
using fade::kWhite;

// Ticks "1" and "2" leave the credit standing in white.
// clang-format off
constexpr fade::Step kPrologue[] = {
    {"3", kLightGrey}, {"4", kDarkGrey}, {"5", kBlack},
    {"6", "群星の年代記"},
    {"7", kDarkGrey}, {"8", kLightGrey}, {"9", kWhite},
    {"10", kLightGrey}, {"11", kDarkGrey}, {"12", kBlack},
    {"13", "それは昔々の物語り"},
    {"14", kDarkGrey}, {"15", kLightGrey}, {"16", kWhite},
    {"17", kLightGrey}, {"18", kDarkGrey}, {"19", kBlack},
    {"20", "混沌の時代に生きる"},
    {"21", kDarkGrey}, {"22", kLightGrey}, {"23", kWhite},
    {"24", kLightGrey}, {"25", kDarkGrey}, {"26", kBlack},
    {"27", "英雄たち一人一人に"},
    {"28", kDarkGrey}, {"29", kLightGrey}, {"30", kWhite}, {"31", kWhite},
    {"32", kLightGrey}, {"33", kDarkGrey}, {"34", kBlack},
    {"35", "表と裏の"},
    {"36", kDarkGrey}, {"37", kLightGrey}, {"38", kWhite},
    {"39", kLightGrey}, {"40", kDarkGrey}, {"41", kBlack},
    {"42", "肖像があった･･･"},
    {"43", kDarkGrey}, {"44", kLightGrey}, {"45", kWhite},
    {"46", kLightGrey}, {"47", kDarkGrey}, {"48", kBlack},
    {"49", "そんな時代のこと"},
    {"50", kDarkGrey}, {"51", kLightGrey}, {"52", kWhite},
    {"53", kLightGrey}, {"54", kDarkGrey}, {"55", kBlack},
};
// clang-format on

}  // namespace

OpeningScreen::OpeningScreen(Program& program)
    : ui::Screen(program, "op1",
                 {.title = "Form1",
                  .background = fade::kBlack,
                  .spoken = "オープニング",
                  .anyKey = "Image1"}),
      program_(program) {}

void OpeningScreen::Image1_Click() {
  program_.op2.show();
  program_.op1.unload();
}

void OpeningScreen::Timer1_Timer() {
  Label2.setCaption(ui::Val(Label2.caption()) + 1);
  fade::play(Label1, kPrologue, Label2.caption());
  // The prologue is over: from now on only the prompt blinks.
  if (Label2.caption() == "56") {
    Timer2.setEnabled(true);
    Timer1.setEnabled(false);
  }
}

void OpeningScreen::Timer2_Timer() { Label3.setVisible(!Label3.visible()); }
