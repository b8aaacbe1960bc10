// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rings on a map of territories, as its screen answers them: gold around the
// territory whose step it is, red around the territory chosen. They are drawn
// over the territory buttons; they change nothing and take no click.

#include <QColor>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/screen.h"

namespace qtview {

// A rounded ring over a widget, drawn in its colour between two dark edges so
// that it reads on light and dark patches alike. It takes no click.
class RingView : public QWidget {
 public:
  RingView(QColor color, QWidget* parent);

  // Lies around `widget`, `margin` pixels outside it (inside for a negative
  // margin), or hides for none.
  void around(QWidget* widget, int margin);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QColor color_;
  QWidget* over_ = nullptr;
};

class MapMarks {
 public:
  using ViewOf = std::function<QWidget*(const ui::Widget&)>;
  MapMarks(const ui::Screen& screen, ViewOf viewOf);

  // Moves every ring to the button its screen names now.
  void sync();

 private:
  struct Ring {
    QColor color;
    std::function<const ui::Widget*()> around;
    RingView* view = nullptr;
    const ui::Widget* shown = nullptr;
  };

  ViewOf viewOf_;
  std::vector<Ring> rings_;
};

}  // namespace qtview
