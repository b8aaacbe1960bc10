// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The opening: on black, the maker's credit fades out, then the title and the
// six lines of the prologue fade in and out one after another; at the end
// "Please Ｓｔａｒｔ" blinks. A click at any moment opens the nation selection.

#include <span>
#include <string_view>
#include <variant>

#include "ui/screen.h"

class Program;

// The caption fade of the opening and the ending. One tick sets a new caption
// while the text is black, so nothing shows; the following ticks step the fore
// colour up through dark grey and light grey to white and back down to black.
namespace fade {

inline constexpr ui::Color kBlack{ui::kBlack};
inline constexpr ui::Color kDarkGrey{4210752};
// The system's button-face colour: a light grey on the black background.
inline constexpr ui::Color kLightGrey{.buttonFace = true};
inline constexpr ui::Color kWhite{ui::kWhite};

struct Step {
  std::string_view tick;  // the text of the tick counter that selects this step
  std::variant<ui::Color, std::string_view> effect;  // a fore colour or a caption
};

// Applies the step selected by `tick`, if there is one.
void play(ui::Label& label, std::span<const Step> schedule, std::string_view tick);

}  // namespace fade

class OpeningScreen : public ui::Screen {
 public:
  explicit OpeningScreen(Program& program);

  // The text being faded: the credit, the title, the prologue.
  ui::Label Label1{this,
                   "Label1",
                   {.at = {120, 4320, 11775, 495},
                    .caption = "そよぎの丘プロデュース",
                    .font = {ui::kBrush, 20.25},
                    .fore = fade::kWhite,
                    .transparent = true,
                    .align = ui::Align::Center}};
  // Tick counter of Timer1.
  ui::Label Label2{this, "Label2", {.caption = "0", .visible = false}};
  // The blinking prompt.
  ui::Label Label3{this,
                   "Label3",
                   {.at = {3720, 5520, 4695, 375},
                    .caption = "Please Ｓｔａｒｔ",
                    .font = {ui::kGothic, 14.25, true},
                    .fore = {192},
                    .transparent = true,
                    .align = ui::Align::Center,
                    .visible = false}};
  // The click area over the whole screen; it holds no picture, so the texts
  // beneath it show through.
  ui::Image Image1{this, "Image1", {.at = {120, 120, 11775, 8775}}, [this] { Image1_Click(); }};
  ui::Timer Timer1{this, "Timer1", {.interval = 1000}, [this] { Timer1_Timer(); }};
  ui::Timer Timer2{this, "Timer2", {.interval = 500, .enabled = false}, [this] { Timer2_Timer(); }};

 private:
  void Image1_Click();
  void Timer1_Timer();
  void Timer2_Timer();

  Program& program_;
};
