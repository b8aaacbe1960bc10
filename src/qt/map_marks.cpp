// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/map_marks.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/desktop.h"
#include "world/scenario.h"

namespace qtview {

namespace {

// The territory of the running step: the main screen's count1.
const ui::Widget* stepTerritory(const ui::Screen& screen) {
  ui::SlotBase* main = screen.desktop().slot("ma1");
  ui::Screen* ma1 = main ? main->loadedScreen() : nullptr;
  const ui::Widget* count1 = ma1 ? ma1->find("count1") : nullptr;
  if (!count1 || count1->kind() != ui::Kind::Label) return nullptr;
  return territoryButton(screen, "s", static_cast<const ui::Label*>(count1)->caption());
}

const ui::Widget* chosen(const ui::Screen& screen, const char* label, const char* prefix) {
  const ui::Widget* widget = screen.find(label);
  if (!widget || widget->kind() != ui::Kind::Label) return nullptr;
  return territoryButton(screen, prefix, static_cast<const ui::Label*>(widget)->caption());
}

// A rounded ring, drawn in its colour between two dark edges so that it reads
// on the map's light and dark patches alike.
class RingView : public QWidget {
 public:
  RingView(QColor color, QWidget* parent) : QWidget(parent), color_(color) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
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

 private:
  QColor color_;
};

}  // namespace

ui::Widget* territoryButton(const ui::Screen& screen, const char* prefix,
                            const std::string& caption) {
  // An empty caption is a choice not made yet, not territory 0.
  if (caption.empty()) return nullptr;
  const int index = world::territoryIndex(caption);
  return index < 0 ? nullptr : screen.find(prefix + std::to_string(index));
}

std::unique_ptr<MapMarks> MapMarks::of(const ui::Screen& screen, ViewOf viewOf) {
  std::unique_ptr<MapMarks> marks(new MapMarks(std::move(viewOf)));
  const ui::Screen* at = &screen;
  if (screen.name() == "ma3") {
    // Gold where the player stands, red on the target once chosen.
    marks->rings_.push_back({QColor(255, 208, 64), 4, [at] { return stepTerritory(*at); }});
    marks->rings_.push_back({QColor(255, 64, 48), 4, [at] { return chosen(*at, "Label10", "s"); }});
  } else if (screen.name() == "ma6") {
    // The destinations lie in rows without a gap: the ring keeps to the
    // chosen button's edge and off its neighbours' captions.
    marks->rings_.push_back({QColor(255, 64, 48), 2, [at] { return chosen(*at, "Label1", "x"); }});
  } else {
    return nullptr;
  }
  return marks;
}

void MapMarks::sync() {
  for (Ring& ring : rings_) {
    const ui::Widget* around = ring.around();
    if (around == ring.shown && ring.view) continue;
    ring.shown = around;
    QWidget* button = around ? viewOf_(*around) : nullptr;
    if (!button) {
      if (ring.view) ring.view->hide();
      continue;
    }
    if (ring.view && ring.view->parentWidget() != button->parentWidget()) {
      delete ring.view;
      ring.view = nullptr;
    }
    if (!ring.view) ring.view = new RingView(ring.color, button->parentWidget());
    ring.view->setGeometry(
        button->geometry().adjusted(-ring.margin, -ring.margin, ring.margin, ring.margin));
    ring.view->raise();
    ring.view->show();
  }
}

}  // namespace qtview
