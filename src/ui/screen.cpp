// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screen.h"

namespace ui {

namespace {
std::uint64_t nextSerial = 0;
}

Screen::Screen(Desktop& desktop, std::string name, ScreenDesign design)
    : desktop_(desktop),
      name_(std::move(name)),
      design_(std::move(design)),
      serial_(++nextSerial) {}

void Screen::show() {
  visible_ = true;
  ++shows_;
}

Widget* Screen::find(std::string_view name, int index) const {
  for (Widget* widget : widgets_)
    if (widget->name() == name && widget->index() == index) return widget;
  return nullptr;
}

void Screen::add(Widget* widget) { widgets_.push_back(widget); }

void Screen::add(Timer* timer) { timers_.push_back(timer); }

}  // namespace ui
