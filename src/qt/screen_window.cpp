// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/screen_window.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QKeyEvent>
#include <algorithm>
#include <climits>
#include <tuple>

namespace qtview {

namespace {

// The mark of the keys' focus: blue, inside the button's edge, so that it
// never hides a map's rings around the same button.
const QColor kFocusColor(40, 150, 255);

// A screen reads as a window, also where it is a layer of another.
QAccessibleInterface* windowInterface(const QString&, QObject* object) {
  auto* window = dynamic_cast<ScreenWindow*>(object);
  return window ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}

bool ready(const ui::Button& button) { return button.showing() && button.enabled(); }

const ui::Widget& outermost(const ui::Widget& widget) {
  const ui::Widget* group = &widget;
  while (group->container()) group = group->container();
  return *group;
}

}  // namespace

ScreenWindow::ScreenWindow(ui::Screen& screen, ClickSink clicks, std::function<void()> closeBox,
                           KeySink keys, QWidget* parent)
    : QWidget(parent),
      screen_(screen),
      serial_(screen.serial()),
      clicks_(clicks),
      closeBox_(std::move(closeBox)),
      keys_(std::move(keys)) {
  const ui::ScreenDesign& design = screen.design();
  setWindowTitle(QString::fromStdString(design.title));
  static const bool named = (QAccessible::installFactory(windowInterface), true);
  (void)named;
  setAccessibleName(QString::fromStdString(design.spoken.empty() ? design.title : design.spoken));
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
  // The window takes the keys itself, also as a layer of another window:
  // its focus mark, not Qt's focus, says which button Space presses.
  setFocusPolicy(Qt::StrongFocus);
  marks_ = std::make_unique<MapMarks>(screen,
                                      [this](const ui::Widget& widget) { return viewOf(widget); });
  focusMark_ = new RingView(kFocusColor, this);
}

bool ScreenWindow::sync() {
  for (View* view : views_) view->sync();
  marks_->sync();
  markFocus();
  if (screen_.shows() == shows_) return false;
  shows_ = screen_.shows();
  return true;
}

void ScreenWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  setFocus();
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

bool ScreenWindow::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // A button's key is its shortcut, for a screen reader to tell; the key
    // itself comes here as a key press and goes the way of a click once.
    if (keyTarget(screen_, *static_cast<QKeyEvent*>(event))) {
      event->accept();
      return true;
    }
  } else if (event->type() == QEvent::KeyPress) {
    // Before Qt's own Tab handling: the mark moves among this window's buttons.
    if (focusKey(*static_cast<QKeyEvent*>(event))) return true;
  }
  return QWidget::event(event);
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
  if (!keys_ || !keys_(*this, *event)) QWidget::keyPressEvent(event);
}

bool ScreenWindow::focusKey(const QKeyEvent& event) {
  const FocusKey key = qtview::focusKey(event);
  switch (key) {
    case FocusKey::None:
      return false;
    case FocusKey::Next:
    case FocusKey::Previous: {
      const std::vector<const ui::Button*> order = focusOrder();
      if (order.empty()) return false;
      auto at = std::find(order.begin(), order.end(), focused_);
      if (key == FocusKey::Next)
        at = at == order.end() || at + 1 == order.end() ? order.begin() : at + 1;
      else
        at = at == order.begin() || at == order.end() ? order.end() - 1 : at - 1;
      focused_ = *at;
      markFocus();
      return true;
    }
    case FocusKey::Press: {
      // Nothing marked: Enter is the default button's.
      if (!focused_ || !ready(*focused_)) return false;
      // A held key presses once.
      if (!event.isAutoRepeat()) clicks_(const_cast<ui::Button&>(*focused_));
      return true;
    }
    case FocusKey::Up:
    case FocusKey::Down:
    case FocusKey::Left:
    case FocusKey::Right: {
      if (!hasPlaces(screen_)) return false;
      const QPoint direction = key == FocusKey::Up     ? QPoint(0, -1)
                               : key == FocusKey::Down ? QPoint(0, 1)
                               : key == FocusKey::Left ? QPoint(-1, 0)
                                                       : QPoint(1, 0);
      if (const ui::Button* place = nextPlace(direction)) {
        focused_ = place;
        markFocus();
      }
      return true;
    }
  }
  return false;
}

QPoint ScreenWindow::centreOf(const ui::Widget& widget) const {
  QWidget* view = viewOf(widget);
  return view ? view->mapTo(this, view->rect().center()) : QPoint();
}

std::vector<const ui::Button*> ScreenWindow::focusOrder() const {
  struct Entry {
    std::tuple<int, int, int, int> at;  // the group's top and left, the button's
    const ui::Button* button;
  };
  std::vector<Entry> entries;
  for (const ui::Widget* widget : screen_.widgets()) {
    if (widget->kind() != ui::Kind::Button) continue;
    const auto& button = static_cast<const ui::Button&>(*widget);
    QWidget* view = viewOf(button);
    QWidget* group = viewOf(outermost(button));
    if (!ready(button) || !view || !group) continue;
    const QPoint own = view->mapTo(this, QPoint(0, 0));
    const QPoint first = group->mapTo(this, QPoint(0, 0));
    entries.push_back({{first.y(), first.x(), own.y(), own.x()}, &button});
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Entry& a, const Entry& b) { return a.at < b.at; });
  std::vector<const ui::Button*> order;
  for (const Entry& entry : entries) order.push_back(entry.button);
  return order;
}

const ui::Button* ScreenWindow::nextPlace(QPoint direction) const {
  std::vector<const ui::Button*> places;
  for (const ui::Button* button : focusOrder())
    if (button->design().place) places.push_back(button);
  const ui::Widget* from = focused_ && focused_->design().place ? focused_ : nullptr;
  if (!from) from = screen_.chosenTerritory();
  if (!from) from = screen_.stepTerritory();
  if (!from) return places.empty() ? nullptr : places.front();
  const QPoint origin = centreOf(*from);
  const ui::Button* best = nullptr;
  int bestScore = INT_MAX;
  for (const ui::Button* place : places) {
    if (place == from) continue;
    const QPoint offset = centreOf(*place) - origin;
    const int along = offset.x() * direction.x() + offset.y() * direction.y();
    if (along <= 0) continue;
    // Within 45 degrees of the arrow before anything further off to the side.
    const int across = std::abs(offset.x() * direction.y() - offset.y() * direction.x());
    const int score = along + 2 * across + (across > along ? 1 << 20 : 0);
    if (score < bestScore) {
      bestScore = score;
      best = place;
    }
  }
  return best;
}

void ScreenWindow::markFocus() {
  QWidget* view = focused_ && ready(*focused_) ? viewOf(*focused_) : nullptr;
  if (view == marked_) return;
  marked_ = view;
  focusMark_->around(view, 0);
  // A screen reader follows the mark as it would the focus.
  if (view) {
    QAccessibleEvent event(view, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace qtview
