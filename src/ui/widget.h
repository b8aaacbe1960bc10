// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The widgets of a screen: what the rules read and write (captions, visible,
// enabled, fore colours, pictures, timers) plus the design-time look that the
// desktop layer draws. Positions and sizes are in twips (15 twips a pixel),
// relative to the frame that contains the widget, or to the screen.

#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/convert.h"

namespace ui {

class Screen;
class Frame;

// A 24-bit colour with red in the low byte, or the system's button-face colour.
struct Color {
  std::uint32_t rgb = 0;
  bool buttonFace = false;

  static Color ButtonFace() { return {0, true}; }
  bool operator==(const Color&) const = default;
};

inline constexpr std::uint32_t kBlack = 0;
inline constexpr std::uint32_t kWhite = 16777215;
inline constexpr std::uint32_t kRed = 255;

// Faces are named as the screens were designed; the desktop maps them to
// installed Japanese faces.
inline constexpr const char* kGothic = "ＭＳ Ｐゴシック";
inline constexpr const char* kUiGothic = "MS UI Gothic";
inline constexpr const char* kBrush = "HG正楷書体-PRO";

struct Font {
  std::string name = kGothic;
  double points = 9;
  bool bold = false;
  bool operator==(const Font&) const = default;
};

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
};

enum class Align { Left, Right, Center };
enum class Kind { Label, Button, Image, Frame, Line, Shape, Timer };

class Widget {
 public:
  Widget(Screen* owner, Kind kind, std::string name, int index, Frame* in, Rect at, bool visible);
  Widget(const Widget&) = delete;
  Widget& operator=(const Widget&) = delete;
  virtual ~Widget() = default;

  Kind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  // The index inside its widget array, or -1.
  int index() const { return index_; }
  // "Label33", or "d(12)" for an element of an array.
  std::string fullName() const;
  Screen& screen() const { return *owner_; }
  Frame* container() const { return in_; }
  const Rect& at() const { return at_; }

  bool visible() const { return visible_; }
  void setVisible(bool visible) { visible_ = visible; }
  // Visible together with every frame around it.
  bool showing() const;

  // What a click does; empty for widgets without a click handler.
  std::function<void()> onClick;

 private:
  Screen* owner_;
  Kind kind_;
  std::string name_;
  int index_;
  Frame* in_;
  Rect at_;
  bool visible_;
};

struct LabelDesign {
  Rect at;
  std::string caption;
  Font font;
  Color fore{kBlack};
  Color back = Color::ButtonFace();
  bool transparent = false;
  Align align = Align::Left;
  bool border = false;
  bool visible = true;
  Frame* in = nullptr;
  // The label or frame whose caption names this value for a screen reader
  // ("商業価値" before "110").
  const Widget* heading = nullptr;
};

class Label : public Widget {
 public:
  Label(Screen* owner, std::string name, LabelDesign design, std::function<void()> click = {},
        int index = -1);

  // Numbers are read back with Val(caption()), which the caption keeps.
  const TextCell& caption() const { return caption_; }
  void setCaption(std::string caption) { caption_.write(std::move(caption)); }
  // Another label's caption, with the number it keeps.
  void setCaption(const TextCell& caption) { caption_ = caption; }
  void setCaption(double number) { caption_.write(number); }
  // A character is text, not the number of its code.
  template <class C>
  requires std::same_as<C, char>
  void setCaption(C) = delete;
  const Color& foreColor() const { return fore_; }
  void setForeColor(Color color) { fore_ = color; }
  const LabelDesign& design() const { return design_; }

 private:
  LabelDesign design_;
  TextCell caption_;
  Color fore_;
};

struct ButtonDesign {
  Rect at;
  std::string caption;
  std::string tooltip;
  // The picture's name (the design-time holder, "ma1.Command1"), or empty.
  std::string picture;
  Font font;
  bool enabled = true;
  bool visible = true;
  // Graphical buttons show their picture above the caption.
  bool graphical = false;
  Frame* in = nullptr;
  // The keys that press it as a click does: Enter for the window's default
  // button, Esc for its cancel, and keys of its own ("E", "Ctrl+Q", or
  // "Up; Right" for two).
  bool isDefault = false;
  bool isCancel = false;
  std::string keys;
  // A place on a map: the arrow keys move among the places of a window.
  bool place = false;
  // What a screen reader calls a button without a caption; its tooltip
  // when empty.
  std::string spoken;
};

class Button : public Widget {
 public:
  Button(Screen* owner, std::string name, ButtonDesign design, std::function<void()> click = {},
         int index = -1);

  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption) { caption_ = std::move(caption); }
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled) { enabled_ = enabled; }
  const std::string& picture() const { return picture_; }
  void setPicture(std::string picture) { picture_ = std::move(picture); }
  const ButtonDesign& design() const { return design_; }

 private:
  ButtonDesign design_;
  std::string caption_;
  std::string picture_;
  bool enabled_;
};

struct ImageDesign {
  Rect at;
  std::string picture;
  bool stretch = false;
  bool border = false;
  bool visible = true;
  Frame* in = nullptr;
};

class Image : public Widget {
 public:
  Image(Screen* owner, std::string name, ImageDesign design, std::function<void()> click = {},
        int index = -1);

  const std::string& picture() const { return picture_; }
  void setPicture(std::string picture) { picture_ = std::move(picture); }
  const ImageDesign& design() const { return design_; }

 private:
  ImageDesign design_;
  std::string picture_;
};

struct FrameDesign {
  Rect at;
  std::string caption;
  Font font;
  Color fore{kBlack};
  Color back = Color::ButtonFace();
  bool visible = true;
  Frame* in = nullptr;
};

class Frame : public Widget {
 public:
  Frame(Screen* owner, std::string name, FrameDesign design);

  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption) { caption_ = std::move(caption); }
  const FrameDesign& design() const { return design_; }

 private:
  FrameDesign design_;
  std::string caption_;
};

struct LineDesign {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Color color{kBlack};
  int width = 1;  // pixels
  bool visible = true;
  Frame* in = nullptr;
};

class Line : public Widget {
 public:
  Line(Screen* owner, std::string name, LineDesign design);
  const LineDesign& design() const { return design_; }

 private:
  LineDesign design_;
};

enum class ShapeKind { Rectangle, Square, Oval, Circle, RoundedRectangle };

struct ShapeDesign {
  Rect at;
  ShapeKind shape = ShapeKind::Rectangle;
  Color border{kBlack};
  int borderWidth = 1;  // pixels
  bool filled = false;
  Color fill{kBlack};
  bool visible = true;
  Frame* in = nullptr;
};

class Shape : public Widget {
 public:
  Shape(Screen* owner, std::string name, ShapeDesign design);
  const ShapeDesign& design() const { return design_; }

 private:
  ShapeDesign design_;
};

struct TimerDesign {
  int interval = 0;  // milliseconds; 0 never fires
  bool enabled = true;
};

// Fires its handler once every interval while enabled. Enabling an enabled
// timer changes nothing; enabling a stopped one starts a fresh interval.
class Timer : public Widget {
 public:
  Timer(Screen* owner, std::string name, TimerDesign design, std::function<void()> tick);

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  int interval() const { return interval_; }
  // The moment of the next tick, meaningful while enabled.
  std::int64_t due() const { return due_; }
  bool armed() const { return enabled_ && interval_ > 0; }
  // Called by the desktop when the timer falls due.
  void fire();
  // A saved timer: enabled or not, and the moment it falls due.
  void restore(bool enabled, std::int64_t due) {
    enabled_ = enabled;
    due_ = due;
  }

 private:
  int interval_;
  bool enabled_ = false;
  std::int64_t due_ = 0;
  std::function<void()> tick_;
};

// Widgets sharing one name, addressed by a 16-bit index.
template <class W>
class WidgetArray {
 public:
  template <class Design>
  WidgetArray(Screen* owner, const std::string& name, std::vector<Design> designs,
              std::function<void(int)> click = {}) {
    for (std::size_t i = 0; i < designs.size(); ++i) {
      int index = static_cast<int>(i);
      std::function<void()> onClick;
      if (click) onClick = [click, index] { click(index); };
      items_.push_back(
          std::make_unique<W>(owner, name, std::move(designs[i]), std::move(onClick), index));
    }
  }

  W& operator()(int index) const {
    if (index < 0 || index >= size()) throw std::out_of_range(outOfRange(index));
    return *items_[static_cast<std::size_t>(index)];
  }
  int size() const { return static_cast<int>(items_.size()); }

 private:
  std::string outOfRange(int index) const {
    return "no element " + std::to_string(index) + " in " + items_.front()->name() + "(0.." +
           std::to_string(size() - 1) + ")";
  }

  std::vector<std::unique_ptr<W>> items_;
};

}  // namespace ui
