// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/military/movement_screen.h"

#include <array>
#include <string>

#include "screens/program.h"
#include "ui/convert.h"
#include "world/scenario.h"

namespace {

// The destination buttons' own captions. A few read differently from the
// territory table's names, and x23 and x33 read the same; the prompt shows
// the table's name of the territory chosen.
const std::array<const char*, world::kTerritories> kDestinations = {
    "グラドウェン防壁", "サン･スー地域",  "キルク城",       "ウォール城",         "マクレー領",
    "エドワード港",     "ワットス港",     "モール城",       "オックス港",         "リン自治領",
    "リン教皇領",       "ルーヴェン城",   "ルーブエン街道", "ミュードラン植民地", "ブゥーオ市場",
    "ドウィ城",         "ブゥーオ渓谷",   "ハイランド城",   "東ムルウ高原",       "アグリ城",
    "トムロ草原",       "エリオット領",   "南ムルウ高原",   "ムルウ山林",         "ヌン僧院",
    "ファンダリア領",   "ジョージン宮殿", "ヴォムルドー城", "南ムルウ砦",         "ラッツオ城",
    "ドラーゲン城",     "南ムルウ農園",   "マクベス領",     "ムルウ山林",         "リンディー森林",
};

}  // namespace

MovementScreen::MovementScreen(Program& program)
    : ui::Screen(program, "ma6",
                 {.title = "Form1", .close = ui::CloseBox::Cancel, .spoken = "移動"}),
      program_(program) {
  for (int i = 0; i < world::kTerritories; ++i) {
    const int column = i % 2, row = i / 2;
    x_.push_back(std::make_unique<ui::Button>(
        this, "x" + std::to_string(i),
        ui::ButtonDesign{.at = {120 + 3000 * column, 360 + 360 * row, 3015, 375},
                         .caption = kDestinations[static_cast<std::size_t>(i)],
                         .font = {ui::kGothic, 9.75},
                         .in = &Frame1,
                         .place = true},
        [this, i] { x_Click(i); }));
  }
}

ui::FrameDesign MovementScreen::group(ui::Frame* in, int top, const char* caption) {
  return {.at = {240, top, 4785, 1695}, .caption = caption, .font = {ui::kGothic, 12}, .in = in};
}

ui::LabelDesign MovementScreen::heading(ui::Frame* in, int left, const char* caption) {
  return {.at = {left, 450, 735, 375}, .caption = caption, .font = {ui::kGothic, 12}, .in = in};
}

ui::LabelDesign MovementScreen::available(ui::Frame* in, const char* caption) {
  return {.at = {930, 390, 1215, 435},
          .caption = caption,
          .font = {ui::kGothic, 14.25},
          .align = ui::Align::Right,
          .in = in};
}

ui::LabelDesign MovementScreen::amount(ui::Frame* in) {
  return {.at = {3195, 390, 1350, 435},
          .caption = "0",
          .font = {ui::kGothic, 14.25},
          .back = {ui::kWhite},
          .align = ui::Align::Right,
          .border = true,
          .in = in};
}

ui::ButtonDesign MovementScreen::step(ui::Frame* in, int column, const char* caption) {
  return {.at = {240 + 1110 * column, 1020, 1035, 495},
          .caption = caption,
          .font = {ui::kGothic, 12},
          .in = in};
}

void MovementScreen::Form_Load() {
  MainScreen& ma1 = program_.ma1();
  for (int i = 0; i < world::kTerritories; ++i)
    if (program_.da2().m(i).caption() != ma1.mm.caption()) x(i).setEnabled(false);

  // What the source holds as the screen opens bounds every amount. Outside a
  // territory step the labels keep their design-time texts.
  const int src = world::territoryIndex(ma1.count1.caption());
  if (src < 0) return;
  TerritoryStrength& da3 = program_.da3();
  Label2.setCaption(da3.f(src).caption());
  Label7.setCaption(da3.w(src).caption());
  Label8.setCaption(da3.d(src).caption());
}

// Closing the window moves nothing and leaves the step open.
void MovementScreen::cancel() { program_.ma6.unload(); }

void MovementScreen::x_Click(int i) { Label1.setCaption(i); }

int MovementScreen::destination() const {
  if (Label1.caption().empty()) return -1;
  const int dest = world::territoryIndex(Label1.caption());
  return dest >= 0 && x(dest).enabled() ? dest : -1;
}

const ui::Widget* MovementScreen::chosenTerritory() const {
  const int dest = destination();
  return dest < 0 ? nullptr : &x(dest);
}

void MovementScreen::Timer1_Timer() {
  const int dest = destination();
  if (dest < 0) return;
  Command36.setEnabled(true);
  Label3.setCaption(program_.da2().n(dest).caption());
}

void MovementScreen::add(ui::Label& amount, double step, const ui::Label& available) {
  amount.setCaption(ui::Val(amount.caption()) + step);
  if (ui::Val(amount.caption()) > ui::Val(available.caption())) amount.setCaption("0");
}

void MovementScreen::Command41_Click() { add(Label4, 10, Label2); }
void MovementScreen::Command42_Click() { add(Label4, 50, Label2); }
void MovementScreen::Command43_Click() { add(Label4, 100, Label2); }
void MovementScreen::Command44_Click() { add(Label4, 500, Label2); }
void MovementScreen::Command45_Click() { add(Label5, 10, Label7); }
void MovementScreen::Command46_Click() { add(Label5, 50, Label7); }
void MovementScreen::Command47_Click() { add(Label5, 100, Label7); }
void MovementScreen::Command48_Click() { add(Label5, 500, Label7); }
void MovementScreen::Command49_Click() { add(Label6, 10, Label8); }
void MovementScreen::Command50_Click() { add(Label6, 100, Label8); }
void MovementScreen::Command51_Click() { add(Label6, 500, Label8); }
void MovementScreen::Command52_Click() { add(Label6, 1000, Label8); }

void MovementScreen::Command36_Click() {
  const int dest = destination();
  const int src = world::territoryIndex(program_.ma1().count1.caption());
  // The button waits for a destination; outside a territory step there is no
  // source, and the screen closes with nothing moved.
  if (dest < 0) return;
  if (src < 0) {
    program_.ma6.unload();
    return;
  }

  // Each column leaves the source before it reaches the destination, so a
  // move onto the source itself changes nothing.
  TerritoryStrength& da3 = program_.da3();
  const auto move = [&](ui::WidgetArray<ui::Label>& column, const ui::Label& amount) {
    column(src).setCaption(ui::Val(column(src).caption()) - ui::Val(amount.caption()));
    column(dest).setCaption(ui::Val(column(dest).caption()) + ui::Val(amount.caption()));
  };
  move(da3.w, Label5);
  move(da3.f, Label4);
  move(da3.d, Label6);

  // The end of every player command: the main screen's commands go off, the
  // screens of the step close, this one among them, and Timer2 resumes.
  program_.ma1().endCommand();
}
