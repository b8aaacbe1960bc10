// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One shown screen at its client size, with a view of every model widget at
// its geometry (a layer of the game window, or a window of its own without a
// parent, for screenshots), and a focus mark that the keys move among its own
// enabled buttons.

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "qt/keys.h"
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
  // The button the focus mark stands on, or null before the first Tab.
  const ui::Button* focused() const { return focused_; }

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // Closing the window, or the layer, is the screen's close box.
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Moves or presses with the focus mark; false for a key it does not take.
  bool focusKey(const QKeyEvent& event);
  // The enabled, showing buttons in reading order: group by group (a frame
  // of the screen, or a button outside any frame), each group from the top
  // left, line by line.
  std::vector<const ui::Button*> focusOrder() const;
  // The place nearest in the arrow's direction from the marked place (or the
  // chosen territory, or the step's), or null.
  const ui::Button* nextPlace(QPoint direction) const;
  QPoint centreOf(const ui::Widget& widget) const;
  void markFocus();

  ui::Screen& screen_;
  std::uint64_t serial_;
  ClickSink clicks_;
  std::function<void()> closeBox_;
  KeySink keys_;
  std::vector<View*> views_;
  std::map<const ui::Widget*, QWidget*> byWidget_;
  std::unique_ptr<MapMarks> marks_;
  const ui::Button* focused_ = nullptr;
  RingView* focusMark_ = nullptr;
  QWidget* marked_ = nullptr;  // the view the mark lies on
  int shows_ = 0;
};

}  // namespace qtview
