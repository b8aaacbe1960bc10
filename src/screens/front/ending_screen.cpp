// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/front/ending_screen.h"

#include "screens/front/opening_screen.h"
#include "screens/program.h"
#include "ui/convert.h"

namespace {

using fade::kBlack;
using fade::kDarkGrey;
using fade::kLightGrey;
using fade::kWhite;

// Ticks "1" and "2" and the fade-out after them act on the empty caption;
// "56" to "59" leave the screen black.
// clang-format off
constexpr fade::Step kClosing[] = {
    {"3", kLightGrey}, {"4", kDarkGrey}, {"5", kBlack},
    {"6", "強き者が弱気者を飲み込む"},
    {"7", kDarkGrey}, {"8", kLightGrey}, {"9", kWhite},
    {"10", kLightGrey}, {"11", kDarkGrey}, {"12", kBlack},
    {"13", "そんな時代･･･"},
    {"14", kDarkGrey}, {"15", kLightGrey}, {"16", kWhite},
    {"17", kLightGrey}, {"18", kDarkGrey}, {"19", kBlack},
    {"20", "また一人の英雄が生まれた"},
    {"21", kDarkGrey}, {"22", kLightGrey}, {"23", kWhite},
    {"24", kLightGrey}, {"25", kDarkGrey}, {"26", kBlack},
    {"27", "彼の偉業は永遠に･･･"},
    {"28", kDarkGrey}, {"29", kLightGrey}, {"30", kWhite}, {"31", kWhite},
    {"32", kLightGrey}, {"33", kDarkGrey}, {"34", kBlack},
    {"35", "人々に語り伝えられることだろう"},
    {"36", kDarkGrey}, {"37", kLightGrey}, {"38", kWhite},
    {"39", kLightGrey}, {"40", kDarkGrey}, {"41", kBlack},
    {"42", "永遠に"},
    {"43", kDarkGrey}, {"44", kLightGrey}, {"45", kWhite},
    {"46", kLightGrey}, {"47", kDarkGrey}, {"48", kBlack},
    {"49", "ゲーム クリアー"},
    {"50", kDarkGrey}, {"51", kLightGrey}, {"52", kWhite},
    {"53", kLightGrey}, {"54", kDarkGrey}, {"55", kBlack},
};
// clang-format on

}  // namespace

EndingScreen::EndingScreen(Program& program)
    // The window cannot be closed from its frame: the ending runs its minute.
    : ui::Screen(program, "en1",
                 {.title = "Form1",
                  .background = fade::kBlack,
                  .close = ui::CloseBox::Refuse,
                  .spoken = "エンディング"}),
      program_(program) {}

void EndingScreen::Timer1_Timer() {
  Label2.setCaption(ui::Val(Label2.caption()) + 1);
  fade::play(Label1, kClosing, Label2.caption());
  if (Label2.caption() == "60") program_.end();
}
