// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A screen: its design (client size, title, background), its widgets in
// declaration order, its load and unload handlers. Creating the object loads
// the screen; destroying it unloads it, so the next reference starts again
// from the design-time values.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/widget.h"

namespace ui {

class Desktop;

// What the window's close box does.
enum class CloseBox {
  Quit,    // ends the game
  Cancel,  // the same as the screen's cancel
  Refuse,  // nothing: closing would strand the game
};

struct ScreenDesign {
  int width = 12000, height = 9000;  // client area, twips
  // Where a smaller screen lies over the main screen, twips from its top left
  // corner; without it the screen lies in the middle.
  std::optional<int> left, top;
  std::string title;
  std::optional<Color> background;  // none: the system's default
  CloseBox close = CloseBox::Quit;
  // Its window carries the game's menu (help, saving, the chronicle) and the
  // menu's keys.
  bool menu = false;
  // What a screen reader calls its window; the title stays as it is.
  std::string spoken;
  // The widget any key presses as a click (the opening's click area), or empty.
  std::string anyKey;
};

class Screen {
 public:
  Screen(Desktop& desktop, std::string name, ScreenDesign design);
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;
  virtual ~Screen() = default;

  virtual void Form_Load() {}
  virtual void Form_Unload() {}
  // What closing the window by its frame means for a screen with CloseBox::Cancel.
  virtual void cancel() {}
  // On a screen with a map of territories: the button of the territory
  // chosen, and of the territory whose step is running; null for none.
  virtual const Widget* chosenTerritory() const { return nullptr; }
  virtual const Widget* stepTerritory() const { return nullptr; }

  const std::string& name() const { return name_; }
  const ScreenDesign& design() const { return design_; }
  Desktop& desktop() const { return desktop_; }
  // Unique for every load, so a viewer can tell a fresh instance from the old one.
  std::uint64_t serial() const { return serial_; }

  bool visible() const { return visible_; }
  // Makes the screen visible and brings it forward.
  void show();
  // Counts the shows, so a viewer knows when to bring the window forward.
  int shows() const { return shows_; }
  // A saved screen's shown state, laid over its fresh build.
  void restoreShown(bool visible, int shows) {
    visible_ = visible;
    shows_ = shows;
  }

  const std::vector<Widget*>& widgets() const { return widgets_; }
  const std::vector<Timer*>& timers() const { return timers_; }
  // The widget of that name (and index, for an element of an array), or null.
  Widget* find(std::string_view name, int index = -1) const;

 private:
  friend class Widget;
  friend class Timer;
  void add(Widget* widget);
  void add(Timer* timer);

  Desktop& desktop_;
  std::string name_;
  ScreenDesign design_;
  std::uint64_t serial_;
  bool visible_ = false;
  int shows_ = 0;
  std::vector<Widget*> widgets_;
  std::vector<Timer*> timers_;
};

}  // namespace ui
