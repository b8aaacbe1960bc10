// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/screen_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace qtview {

ScreenWindow::ScreenWindow(ui::Screen& screen, ClickSink clicks, std::function<void()> closeBox,
                           KeySink keys, QWidget* parent)
    : QWidget(parent),
      screen_(screen),
      serial_(screen.serial()),
      closeBox_(std::move(closeBox)),
      keys_(std::move(keys)) {
  const ui::ScreenDesign& design = screen.design();
  setWindowTitle(QString::fromStdString(design.title));
  setFixedSize(pixels({0, 0, design.width, design.height}).size());
  // Opaque, as a window is, so that nothing of a layer below shows through.
  setAutoFillBackground(true);
  if (design.background) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colorOf(*design.background));
    setPalette(p);
  }

  // Pictures, labels and figures lie under buttons and frames on the same
  // container; within each layer later widgets lie on top.
  std::vector<QWidget*> windowed;
  for (ui::Widget* widget : screen.widgets()) {
    QWidget* parent = this;
    if (ui::Frame* frame = widget->container()) parent = byWidget_.at(frame);
    View* view = nullptr;
    switch (widget->kind()) {
      case ui::Kind::Label:
        view = new LabelView(static_cast<ui::Label&>(*widget), clicks, parent);
        break;
      case ui::Kind::Button:
        view = new ButtonView(static_cast<ui::Button&>(*widget), clicks, parent);
        windowed.push_back(view->widget());
        break;
      case ui::Kind::Image:
        view = new ImageView(static_cast<ui::Image&>(*widget), clicks, parent);
        break;
      case ui::Kind::Frame:
        view = new FrameView(static_cast<ui::Frame&>(*widget), parent);
        windowed.push_back(view->widget());
        break;
      case ui::Kind::Line:
      case ui::Kind::Shape:
        view = new FigureView(*widget, parent);
        break;
      case ui::Kind::Timer:
        continue;
    }
    views_.push_back(view);
    byWidget_[widget] = view->widget();
  }
  for (QWidget* widget : windowed) widget->raise();
  marks_ = MapMarks::of(screen, [this](const ui::Widget& widget) { return viewOf(widget); });
}

bool ScreenWindow::sync() {
  for (View* view : views_) view->sync();
  if (marks_) marks_->sync();
  if (screen_.shows() == shows_) return false;
  shows_ = screen_.shows();
  return true;
}

QWidget* ScreenWindow::viewOf(const ui::Widget& widget) const {
  auto found = byWidget_.find(&widget);
  return found == byWidget_.end() ? nullptr : found->second;
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
  // The game decides what the close box means; the desktop then takes the
  // layer away if the screen is gone.
  event->ignore();
  closeBox_();
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
  if (!keys_ || !keys_(*this, *event)) QWidget::keyPressEvent(event);
}

}  // namespace qtview
