// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A program of two small screens for testing the runtime and the driver
// without the game: `one` counts its loads, unloads, clicks and timer ticks in
// captions; `two` unloads itself from its own button.

#include <string>

#include "ui/convert.h"
#include "ui/desktop.h"

namespace tiny {

class Program;

class One : public ui::Screen {
 public:
  explicit One(Program& program);
  void Form_Load() override;
  void Form_Unload() override;

  ui::Label loads{this, "loads", {.caption = "0"}};
  ui::Label ticks{this, "ticks", {.caption = "0"}};
  ui::Label said{
      this, "said", {.at = {0, 0, 1500, 255}, .caption = "兵 士 数", .fore = {ui::kRed}}};
  ui::Button go{this, "go", {.at = {0, 300, 975, 855}, .caption = "go", .tooltip = "押す"}, [this] {
                  said.setCaption("clicked");
                }};
  ui::Button off{
      this, "off", {.caption = "off", .enabled = false}, [this] { said.setCaption("!"); }};
  ui::Frame box{this, "box", {.at = {0, 1200, 2000, 2000}, .visible = false}};
  ui::Button inner{
      this, "inner", {.caption = "inner", .in = &box}, [this] { said.setCaption("inner"); }};
  ui::Image face{this, "face", {.at = {2000, 0, 1500, 1500}, .picture = "da1.t(3)"}};
  ui::WidgetArray<ui::Label> cells{
      this, "cells", std::vector<ui::LabelDesign>{{.caption = "a"}, {.caption = "b"}}};
  ui::Timer slow{this, "slow", {.interval = 500, .enabled = false}, [this] {
                   ticks.setCaption(ui::Val(ticks.caption()) + 1);
                 }};
  ui::Timer fast{this, "fast", {.interval = 250, .enabled = false}, [this] { order += "f"; }};
  ui::Timer half{this, "half", {.interval = 500, .enabled = false}, [this] { order += "h"; }};
  std::string order;

 private:
  Program& program_;
};

class Two : public ui::Screen {
 public:
  explicit Two(Program& program);
  ui::Label note{this, "note", {.caption = "design"}};
  ui::Button close{this, "close", {.caption = "close"}, [this] { closeSelf(); }};
  ui::Button quit{this, "quit", {.caption = "quit"}, [this] { quitGame(); }};
  void cancel() override;

 private:
  void closeSelf();
  void quitGame();
  Program& program_;
};

class Program : public ui::Desktop {
 public:
  void start() override { one.show(); }
  ui::Slot<One, Program> one{*this, "one"};
  ui::Slot<Two, Program> two{*this, "two"};
  int unloads = 0;
};

inline One::One(Program& program)
    : ui::Screen(program, "one", {.title = "One"}), program_(program) {}
inline void One::Form_Load() { loads.setCaption(ui::Val(loads.caption()) + 1); }
inline void One::Form_Unload() { ++program_.unloads; }

inline Two::Two(Program& program)
    : ui::Screen(program, "two", {.width = 2775, .height = 2310, .close = ui::CloseBox::Cancel}),
      program_(program) {}
inline void Two::closeSelf() {
  program_.two.unload();
  note.setCaption("still safe");  // the screen lives until the click returns
  program_.one().said.setCaption(note.caption());
}
inline void Two::cancel() { program_.two.unload(); }
inline void Two::quitGame() {
  program_.end();
  note.setCaption("never");
}

}  // namespace tiny
