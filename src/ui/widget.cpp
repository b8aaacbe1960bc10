// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widget.h"

#include "ui/convert.h"
#include "ui/desktop.h"
#include "ui/screen.h"

namespace ui {

Widget::Widget(Screen* owner, Kind kind, std::string name, int index, Frame* in, Rect at,
               bool visible)
    : owner_(owner),
      kind_(kind),
      name_(std::move(name)),
      index_(index),
      in_(in),
      at_(at),
      visible_(visible) {
  owner_->add(this);
}

std::string Widget::fullName() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

bool Widget::showing() const { return visible_ && (!in_ || in_->showing()); }

Label::Label(Screen* owner, std::string name, LabelDesign design, std::function<void()> click,
             int index)
    : Widget(owner, Kind::Label, std::move(name), index, design.in, design.at, design.visible),
      design_(std::move(design)),
      caption_(design_.caption),
      fore_(design_.fore) {
  onClick = std::move(click);
}

Button::Button(Screen* owner, std::string name, ButtonDesign design, std::function<void()> click,
               int index)
    : Widget(owner, Kind::Button, std::move(name), index, design.in, design.at, design.visible),
      design_(std::move(design)),
      caption_(design_.caption),
      picture_(design_.picture),
      enabled_(design_.enabled) {
  onClick = std::move(click);
}

Image::Image(Screen* owner, std::string name, ImageDesign design, std::function<void()> click,
             int index)
    : Widget(owner, Kind::Image, std::move(name), index, design.in, design.at, design.visible),
      design_(std::move(design)),
      picture_(design_.picture) {
  onClick = std::move(click);
}

Frame::Frame(Screen* owner, std::string name, FrameDesign design)
    : Widget(owner, Kind::Frame, std::move(name), -1, design.in, design.at, design.visible),
      design_(std::move(design)),
      caption_(design_.caption) {}

namespace {

Rect bounds(const LineDesign& d) {
  return {std::min(d.x1, d.x2), std::min(d.y1, d.y2), std::abs(d.x2 - d.x1), std::abs(d.y2 - d.y1)};
}

}  // namespace

Line::Line(Screen* owner, std::string name, LineDesign design)
    : Widget(owner, Kind::Line, std::move(name), -1, design.in, bounds(design), design.visible),
      design_(design) {}

Shape::Shape(Screen* owner, std::string name, ShapeDesign design)
    : Widget(owner, Kind::Shape, std::move(name), -1, design.in, design.at, design.visible),
      design_(design) {}

Timer::Timer(Screen* owner, std::string name, TimerDesign design, std::function<void()> tick)
    : Widget(owner, Kind::Timer, std::move(name), -1, nullptr, {}, false),
      interval_(design.interval),
      tick_(std::move(tick)) {
  screen().add(this);
  setEnabled(design.enabled);
}

void Timer::setEnabled(bool enabled) {
  if (enabled && !enabled_) due_ = screen().desktop().now() + interval_;
  enabled_ = enabled;
}

void Timer::fire() {
  due_ = screen().desktop().now() + interval_;
  if (tick_) tick_();
}

}  // namespace ui
