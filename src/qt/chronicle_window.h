// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The chronicle "年代記": the record of the game in a window of its own,
// opened from the game's menu (Ctrl+H), following the game while it is open.
// Three views: 勢力図, who rules each territory on the continent; 推移, the
// territories of each nation month by month; 記録, what happened, dated.

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QWidget>
#include <array>
#include <vector>

#include "chronicle/record.h"
#include "qt/game_menu.h"

namespace qtview {

// A nation's colour on the map and in the chart: twenty-six that stand apart.
QColor nationColour(int nation);
// The nation's name, "（不明）" for none.
QString nationName(int nation);

// The continent with every territory filled in its ruler's colour and marked
// with its ruler's emblem; the player's nation outlined in gold.
class PowerMap : public QWidget {
 public:
  PowerMap();
  // The rulers and the player's nation; a nation's land highlighted, or -1.
  void show(const std::array<int, world::kTerritories>& rulers, int player, int highlighted);
  // The territory under a point of the widget, or -1 for the sea.
  int territoryAt(QPointF point) const;
  // What a hover or a click on a territory says: its name and its ruler.
  QString describe(int territory) const;
  // The spot where a territory shows its ruler's emblem, in map pixels.
  QPointF centre(int territory) const { return centres_[territory]; }
  QRectF mapArea() const;
  // Tells the text of the territory hovered or clicked.
  std::function<void(const QString&)> onPoint;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  QSize sizeHint() const override { return {534, 508}; }

 private:
  void paint();

  QPixmap base_;
  QImage cells_;    // territory + 1 per pixel, at three times the map's size
  QImage overlay_;  // the rulers' colours over the cells
  std::array<QPointF, world::kTerritories> centres_{};
  std::array<int, world::kTerritories> rulers_{};
  int player_ = -1, highlighted_ = -1;
};

// Territories per nation, month by month; the player's nation drawn strongest.
class TrendChart : public QWidget {
 public:
  TrendChart();
  void show(const std::vector<chronicle::Month>& months, int player);
  void setShown(int nation, bool shown);
  bool shown(int nation) const { return shown_[nation]; }
  // What hovering at a point says: the nearest line's nation, month and value;
  // empty away from the lines.
  QString describe(QPointF point) const;
  // Where a nation's line stands at a month with a value.
  QPointF at(std::size_t month, int value, int nation) const;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  QSize sizeHint() const override { return {640, 420}; }

 private:
  QRectF plot() const;
  // The nearest shown line to a point, by month: nation and month, or -1.
  std::pair<int, int> nearest(QPointF point) const;

  std::vector<chronicle::Month> months_;
  int player_ = -1, hovered_ = -1, top_ = 1;
  std::array<bool, world::kNations> shown_;
};

class ChronicleWindow : public QWidget {
 public:
  // Shows the window, creating it on the first request; a later request
  // raises the same window.
  static ChronicleWindow* open(chronicle::Record& record);
  // The window while it exists, or null.
  static ChronicleWindow* current();
  // The game menu's entry "年代記", with Ctrl+H on the window with the menu.
  static GameMenu::Entry entry(chronicle::Record& record);
  ~ChronicleWindow() override;

  QTabWidget* tabs() const { return tabs_; }
  PowerMap* powerMap() const { return map_; }
  QListWidget* mapLegend() const { return mapLegend_; }
  QLabel* mapText() const { return mapText_; }
  TrendChart* chart() const { return chart_; }
  QListWidget* chartLegend() const { return chartLegend_; }
  QPlainTextEdit* log() const { return log_; }
  QCheckBox* ownOnly() const { return ownOnly_; }
  QLineEdit* search() const { return search_; }
  // Brings the views up to date with the record (the record's listener asks
  // for it after the event, once however much it added).
  void follow();

 protected:
  void showEvent(QShowEvent*) override;
  void hideEvent(QHideEvent*) override;

 private:
  explicit ChronicleWindow(chronicle::Record& record);
  void followMap();
  void followChart();
  // Appends the events from `from` on that pass the filter and the search.
  void followLog(std::size_t from);
  void rebuildLog();
  bool passes(const chronicle::Event& event) const;

  chronicle::Record& record_;
  QTabWidget* tabs_;
  PowerMap* map_;
  QListWidget* mapLegend_;
  QLabel* mapText_;
  TrendChart* chart_;
  QListWidget* chartLegend_;
  QPlainTextEdit* log_;
  QCheckBox* ownOnly_;
  QLineEdit* search_;
  int highlighted_ = -1;
  std::size_t logged_ = 0;               // the events the log has looked at
  std::uint64_t seen_ = UINT64_MAX;      // the record's revision the views show
  std::uint64_t restores_ = UINT64_MAX;  // and the restores it has seen
  bool asked_ = false;
  bool atFoot_ = true;  // the log follows its newest line
};

}  // namespace qtview
