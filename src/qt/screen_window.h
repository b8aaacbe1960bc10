// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One shown screen at its client size, with a view of every model widget at
// its geometry: a layer of the game window, or a window of its own without a
// parent (screenshots).

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "qt/map_marks.h"
#include "qt/widget_views.h"
#include "ui/screen.h"

namespace qtview {

class ScreenWindow;
// Takes a key pressed on a window; false leaves it unhandled.
using KeySink = std::function<bool(ScreenWindow&, QKeyEvent&)>;

class ScreenWindow : public QWidget {
 public:
  ScreenWindow(ui::Screen& screen, ClickSink clicks, std::function<void()> closeBox,
               KeySink keys = {}, QWidget* parent = nullptr);

  ui::Screen& screen() const { return screen_; }
  std::uint64_t serial() const { return serial_; }
  // Brings every view in line with the model; true when the screen was shown
  // (again) since the last time, so that it goes on top.
  bool sync();
  // The view of a model widget, or null.
  QWidget* viewOf(const ui::Widget& widget) const;

 protected:
  // Closing the window, or the layer, is the screen's close box.
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ui::Screen& screen_;
  std::uint64_t serial_;
  std::function<void()> closeBox_;
  KeySink keys_;
  std::vector<View*> views_;
  std::map<const ui::Widget*, QWidget*> byWidget_;
  std::unique_ptr<MapMarks> marks_;
  int shows_ = 0;
};

}  // namespace qtview
