// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rings on the maps of the attack and movement screens: on `ma3` around the
// territory whose step it is and around the chosen target, on `ma6` around the
// chosen destination. They are read from the captions the rules already keep
// and drawn over the territory buttons; they change nothing and take no click.

#include <QColor>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "ui/screen.h"

namespace qtview {

// The territory button `prefix` + the index a caption holds ("s" and "11"
// give s11), or null when the caption names none.
ui::Widget* territoryButton(const ui::Screen& screen, const char* prefix,
                            const std::string& caption);

class MapMarks {
 public:
  using ViewOf = std::function<QWidget*(const ui::Widget&)>;
  // The marks of `screen`, or null for a screen without a map.
  static std::unique_ptr<MapMarks> of(const ui::Screen& screen, ViewOf viewOf);

  // Moves every ring to the button its caption names now.
  void sync();

 private:
  struct Ring {
    QColor color;
    int margin;  // pixels the ring stands outside the button
    std::function<const ui::Widget*()> around;
    QWidget* view = nullptr;
    const ui::Widget* shown = nullptr;
  };
  explicit MapMarks(ViewOf viewOf) : viewOf_(std::move(viewOf)) {}

  ViewOf viewOf_;
  std::vector<Ring> rings_;
};

}  // namespace qtview
