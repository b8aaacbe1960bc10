// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One shown screen as a top-level window of its client size, with a view of
// every model widget at its geometry.

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "qt/widget_views.h"
#include "ui/screen.h"

namespace qtview {

class ScreenWindow : public QWidget {
 public:
  ScreenWindow(ui::Screen& screen, ClickSink clicks, std::function<void()> closeBox);

  ui::Screen& screen() const { return screen_; }
  std::uint64_t serial() const { return serial_; }
  // Brings every view in line with the model.
  void sync();
  // The view of a model widget, or null.
  QWidget* viewOf(const ui::Widget& widget) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  ui::Screen& screen_;
  std::uint64_t serial_;
  std::function<void()> closeBox_;
  std::vector<View*> views_;
  std::map<const ui::Widget*, QWidget*> byWidget_;
  int shows_ = 0;
};

}  // namespace qtview
