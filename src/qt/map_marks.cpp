// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/map_marks.h"

#include <QPainter>
#include <QPainterPath>

namespace qtview {

namespace {

// Pixels a ring stands outside its button: clear of a picture button's
// icon, and on a captioned button close to its edge, since such buttons
// lie in rows without a gap and the ring must keep off their neighbours.
int marginOf(const ui::Widget& button) {
  const bool graphical = button.kind() == ui::Kind::Button &&
                         static_cast<const ui::Button&>(button).design().graphical;
  return graphical ? 4 : 2;
}

}  // namespace

RingView::RingView(QColor color, QWidget* parent) : QWidget(parent), color_(color) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  hide();
}

void RingView::around(QWidget* widget, int margin) {
  if (widget == over_ && isVisible() == (widget != nullptr)) return;
  over_ = widget;
  if (!widget) {
    hide();
    return;
  }
  if (parentWidget() != widget->parentWidget()) setParent(widget->parentWidget());
  setGeometry(widget->geometry().adjusted(-margin, -margin, margin, margin));
  raise();
  show();
}

void RingView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
  const qreal radius = qMin<qreal>(8, box.height() / 3);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(20, 14, 8, 200), 5));
  painter.drawRoundedRect(box, radius, radius);
  painter.setPen(QPen(color_, 3));
  painter.drawRoundedRect(box, radius, radius);
}

MapMarks::MapMarks(const ui::Screen& screen, ViewOf viewOf) : viewOf_(std::move(viewOf)) {
  const ui::Screen* at = &screen;
  // Gold where the player stands, red on the choice.
  rings_.push_back({QColor(255, 208, 64), [at] { return at->stepTerritory(); }});
  rings_.push_back({QColor(255, 64, 48), [at] { return at->chosenTerritory(); }});
}

void MapMarks::sync() {
  for (Ring& ring : rings_) {
    const ui::Widget* around = ring.around();
    if (around == ring.shown) continue;
    ring.shown = around;
    QWidget* button = around ? viewOf_(*around) : nullptr;
    if (!button) {
      if (ring.view) ring.view->hide();
      continue;
    }
    if (!ring.view) ring.view = new RingView(ring.color, button->parentWidget());
    ring.view->around(button, marginOf(*around));
  }
}

}  // namespace qtview
