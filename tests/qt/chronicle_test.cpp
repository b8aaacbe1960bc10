// SPDX-License-Identifier: GPL-3.0-or-later
// The chronicle window on the offscreen platform: its three views follow the
// record of a seeded game while open, and nothing follows it while closed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

#include "qt/chronicle_window.h"
#include "screens/program.h"

namespace {

using qtview::ChronicleWindow;

// A seeded game of 孤高の朋友会 (25) whose player ends every step at once.
struct Chronicled {
  Program program;
  explicit Chronicled(int months) {
    program.seed(3);
    program.run([this] { program.start(); });
    program.click(program.op1().Image1);
    program.op2().Label2.setCaption("25");
    program.click(program.op2().Command3);
    play(months);
  }
  void play(int months) {
    const std::size_t until = program.record.months().size() + months;
    while (program.record.months().size() < until) {
      program.advance(500);
      MainScreen& ma1 = program.ma1();
      if (!program.ma2.shown() && !program.ma5.shown() && !ma1.Timer1.enabled() &&
          !ma1.Timer2.enabled())
        program.click(ma1.Command9);
      while (program.ma2.shown()) {
        program.click(program.ma2().Command1);
        program.click(program.ma2().Command11);
        program.advance(500);
      }
    }
  }
  ~Chronicled() {
    if (ChronicleWindow* window = ChronicleWindow::current()) delete window;
  }
  ChronicleWindow& open() {
    ChronicleWindow* window = ChronicleWindow::open(program.record);
    window->resize(900, 640);
    return *window;
  }
};

QPoint onTheMap(const qtview::PowerMap& map, int territory) {
  const QRectF area = map.mapArea();
  return (area.topLeft() + map.centre(territory) * (area.width() / 534)).toPoint();
}

TEST(Chronicle, OpensOnceWithItsThreeViewsAndFollowsTheGameOnlyWhileOpen) {
  Chronicled game(6);
  ChronicleWindow& window = game.open();
  EXPECT_EQ(&window, ChronicleWindow::open(game.program.record));
  EXPECT_EQ(window.windowTitle(), "年代記");
  ASSERT_EQ(window.tabs()->count(), 3);
  EXPECT_EQ(window.tabs()->tabText(0), "勢力図");
  EXPECT_EQ(window.tabs()->tabText(1), "推移");
  EXPECT_EQ(window.tabs()->tabText(2), "記録");
  EXPECT_FALSE(window.isModal());

  const int lines = window.log()->document()->blockCount();
  EXPECT_EQ(lines, static_cast<int>(game.program.record.events().size()));
  game.play(3);
  QCoreApplication::processEvents();
  EXPECT_EQ(window.log()->document()->blockCount(),
            static_cast<int>(game.program.record.events().size()));
  EXPECT_GT(window.log()->document()->blockCount(), lines);

  // Closed, it is gone, and the game goes on without it.
  window.close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(ChronicleWindow::current(), nullptr);
  game.play(1);
  QCoreApplication::processEvents();
}

TEST(Chronicle, TheLogDatesEveryEventFiltersAndSearchesAndStaysAtTheFoot) {
  Chronicled game(48);
  ChronicleWindow& window = game.open();
  window.tabs()->setCurrentIndex(2);
  QCoreApplication::processEvents();
  const auto& events = game.program.record.events();
  const QStringList lines = window.log()->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), static_cast<int>(events.size()));
  EXPECT_EQ(lines.front(),
            QString("%1年%2月　").arg(events.front().date.year).arg(events.front().date.month) +
                QString::fromStdString(events.front().describe()));
  EXPECT_TRUE(window.log()->isReadOnly());
  EXPECT_TRUE(window.log()->textInteractionFlags() & Qt::TextSelectableByMouse);

  // Newest at the foot, and kept there as the record grows.
  QScrollBar* bar = window.log()->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
  game.play(2);
  QCoreApplication::processEvents();
  EXPECT_EQ(bar->value(), bar->maximum());
  // Scrolled up to read, it stays where the player put it.
  bar->setValue(0);
  game.play(2);
  QCoreApplication::processEvents();
  EXPECT_EQ(bar->value(), 0);

  window.ownOnly()->setChecked(true);
  int own = 0;
  for (const auto& e : events) own += e.concerns(25);
  ASSERT_GT(own, 0);
  EXPECT_EQ(window.log()->document()->blockCount(), own);
  window.ownOnly()->setChecked(false);
  window.search()->setText("落城");
  int fell = 0;
  for (const auto& e : events) fell += e.describe().find("落城") != std::string::npos;
  ASSERT_GT(fell, 0);
  EXPECT_EQ(window.log()->document()->blockCount(), fell);
  for (const QString& line : window.log()->toPlainText().split('\n'))
    EXPECT_TRUE(line.contains("落城")) << line.toStdString();
}

TEST(Chronicle, ThePowerMapNamesEveryTerritoryAndItsRulerAndTheLegendHighlights) {
  Chronicled game(12);
  ChronicleWindow& window = game.open();
  qtview::PowerMap& map = *window.powerMap();
  const auto& rulers = *game.program.record.rulers();
  for (int i = 0; i < 35; ++i) {
    SCOPED_TRACE(i);
    const QPoint at = onTheMap(map, i);
    EXPECT_EQ(map.territoryAt(at), i);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), map.mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&map, &move);
    EXPECT_EQ(window.mapText()->text().toStdString(),
              std::string(world::kTerritoryStart[i].name) + "　" +
                  world::kNationStart[rulers[i]].name + (rulers[i] == 25 ? "（あなたの国）" : ""));
  }
  EXPECT_EQ(map.territoryAt(QPointF(map.mapArea().right() - 30, map.mapArea().bottom() - 120)), -1);

  // The legend: the nations still ruling land, most territories first.
  std::array<int, 26> held{};
  for (int ruler : rulers) ++held[ruler];
  QListWidget& legend = *window.mapLegend();
  int ruling = 0;
  for (int h : held) ruling += h > 0;
  ASSERT_EQ(legend.count(), ruling);
  for (int n = 1; n < legend.count(); ++n)
    EXPECT_GE(held[legend.item(n - 1)->data(Qt::UserRole).toInt()],
              held[legend.item(n)->data(Qt::UserRole).toInt()]);
  const int first = legend.item(0)->data(Qt::UserRole).toInt();
  const QImage before = map.grab().toImage();
  Q_EMIT legend.itemClicked(legend.item(0));
  const QImage highlighted = map.grab().toImage();
  EXPECT_NE(before, highlighted);
  EXPECT_TRUE(legend.item(0)->font().bold());
  ASSERT_EQ(legend.item(0)->data(Qt::UserRole).toInt(), first);
  Q_EMIT legend.itemClicked(legend.item(0));
  EXPECT_EQ(map.grab().toImage(), before);
}

TEST(Chronicle, TheChartNamesTheLineUnderThePointerAndTheLegendHidesLines) {
  Chronicled game(12);
  ChronicleWindow& window = game.open();
  window.tabs()->setCurrentIndex(1);
  qtview::TrendChart& chart = *window.chart();
  QListWidget& legend = *window.chartLegend();
  ASSERT_EQ(legend.count(), 26);
  const QImage all = chart.grab().toImage();
  // The player's line at its last month: hovering names it and its value.
  const std::size_t last = game.program.record.months().size() - 1;
  const int held = game.program.record.months().back().territories[25];
  const QPointF at = chart.at(last, held, 25);
  const auto& date = game.program.record.months().back().date;
  EXPECT_EQ(chart.describe(at),
            QString("孤高の朋友会　%1年%2月　%3領").arg(date.year).arg(date.month).arg(held));
  legend.item(25)->setCheckState(Qt::Unchecked);
  EXPECT_FALSE(chart.shown(25));
  EXPECT_FALSE(chart.describe(at).startsWith("孤高の朋友会"));
  EXPECT_NE(chart.grab().toImage(), all);
  legend.item(25)->setCheckState(Qt::Checked);
  EXPECT_EQ(chart.grab().toImage(), all);
}

}  // namespace
