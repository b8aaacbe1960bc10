// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>
#include <set>

#include "qt/help_window.h"
#include "qt/qt_desktop.h"
#include "screens/program.h"
#include "support/desktop_game.h"
#include "world/nation_sets.h"

namespace {

class Help : public ::testing::Test {
 protected:
  void SetUp() override { menu_.add(qtview::HelpWindow::entry()); }
  void TearDown() override {
    if (qtview::HelpWindow* help = qtview::HelpWindow::current()) help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

 private:
  qtview::GameMenu menu_;
};

void pressF1(QWidget* widget) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
}

int helpWindows() {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (dynamic_cast<qtview::HelpWindow*>(widget) && widget->isVisible()) ++count;
  return count;
}

TEST_F(Help, F1OnAGameWindowOpensOneHelpWindow) {
  DesktopOpening opening;
  QWidget* op1 = opening.desktop.window("op1");
  ASSERT_NE(op1, nullptr);
  EXPECT_EQ(qtview::HelpWindow::current(), nullptr);

  pressF1(op1);
  qtview::HelpWindow* help = qtview::HelpWindow::current();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_FALSE(help->isModal());
  EXPECT_EQ(help->windowTitle(), "ヘルプ");
  // F1 is the help's alone: the opening does not take it for a click.
  EXPECT_TRUE(opening.program.op1.shown());

  // A second request raises the same window.
  pressF1(op1);
  pressF1(help);
  EXPECT_EQ(qtview::HelpWindow::current(), help);
  EXPECT_EQ(helpWindows(), 1);
}

TEST_F(Help, TheMainScreensContextMenuOffersIt) {
  Program program;
  qtview::QtDesktop desktop(program, false);
  program.ma1().mm.setCaption("9");
  program.ma1.show();
  desktop.sync();
  QWidget* ma1 = desktop.window("ma1");
  ASSERT_NE(ma1, nullptr);
  // A right click on a disabled command button, as the computer plays.
  QWidget* button = desktop.window("ma1")->viewOf(program.ma1().Command1);
  ASSERT_FALSE(button->isEnabled());
  QContextMenuEvent click(QContextMenuEvent::Mouse, button->rect().center(),
                          button->mapToGlobal(button->rect().center()));
  QCoreApplication::sendEvent(button, &click);
  QMenu* menu = ma1->findChild<QMenu*>();
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->actions().size(), 1);
  EXPECT_EQ(menu->actions().front()->text(), "ヘルプ");
  menu->actions().front()->trigger();
  ASSERT_NE(qtview::HelpWindow::current(), nullptr);
  EXPECT_TRUE(qtview::HelpWindow::current()->isVisible());
  menu->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  // Other screens have no such menu.
  program.op2.show();
  desktop.sync();
  QWidget* op2 = desktop.window("op2");
  ASSERT_NE(op2, nullptr);
  QContextMenuEvent elsewhere(QContextMenuEvent::Mouse, QPoint(10, 10),
                              op2->mapToGlobal(QPoint(10, 10)));
  QCoreApplication::sendEvent(op2, &elsewhere);
  EXPECT_EQ(op2->findChild<QMenu*>(), nullptr);
}

QString helpSource() {
  QFile file(":/assets/help.html");
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return QString::fromUtf8(file.readAll());
}

QString withoutBlanks(QString text) { return text.remove(QRegularExpression("[\\s\u3000]")); }

TEST_F(Help, TheDocumentTellsEveryCommandOfTheMainScreen) {
  const QString text = withoutBlanks(qtview::HelpWindow::open()->toPlainText());
  ASSERT_FALSE(text.isEmpty());
  Program program;
  int told = 0;
  program.run([&] {
    for (ui::Widget* widget : program.ma1().widgets()) {
      if (widget->kind() != ui::Kind::Button) continue;
      auto& button = static_cast<ui::Button&>(*widget);
      // The hidden Command8 is no command a player sees.
      if (!button.visible()) {
        EXPECT_EQ(button.name(), "Command8");
        continue;
      }
      ++told;
      for (const std::string& name : {button.caption(), button.design().tooltip}) {
        if (name.empty()) continue;
        EXPECT_TRUE(text.contains(withoutBlanks(QString::fromStdString(name))))
            << button.name() << ": " << name;
      }
    }
  });
  EXPECT_EQ(told, 14);
}

TEST_F(Help, ItsNationListsAreTheGamesOwn) {
  const QString source = helpSource();
  Program program;
  struct List {
    const char* name;
    world::NationSet set;
  };
  for (const List& list :
       {List{"hunt", world::HuntSet}, List{"plunder", world::PlunderSet},
        List{"faith", world::FaithSet}, List{"plainyield", world::PlainYieldSet}}) {
    SCOPED_TRACE(list.name);
    auto match =
        QRegularExpression(QString("<p class=\"%1\">([^<]*)</p>").arg(list.name)).match(source);
    ASSERT_TRUE(match.hasMatch());
    const QStringList listed = match.captured(1).split("、");
    std::set<QString> expected;
    program.run([&] {
      for (int j = 0; j < world::kNations; ++j)
        if (list.set.contains(j))
          expected.insert(QString::fromStdString(program.da1().tt(j).caption()));
    });
    EXPECT_EQ(std::set<QString>(listed.begin(), listed.end()), expected);
    EXPECT_EQ(listed.size(), static_cast<qsizetype>(expected.size()));
  }
}

TEST_F(Help, ItsLinksLeadSomewhereAndTheIconsAreCredited) {
  const QString source = helpSource();
  std::set<QString> anchors;
  for (const auto& m : QRegularExpression("<a name=\"([^\"]+)\">").globalMatch(source))
    anchors.insert(m.captured(1));
  int links = 0;
  for (const auto& m : QRegularExpression("<a href=\"#([^\"]+)\">").globalMatch(source)) {
    ++links;
    EXPECT_TRUE(anchors.count(m.captured(1))) << m.captured(1).toStdString();
  }
  EXPECT_GT(links, 11);

  // The attribution the icons' licence asks for reaches the player word for word.
  QFile credits(GUNSEI_SOURCE_DIR "/assets/CREDITS.md");
  ASSERT_TRUE(credits.open(QIODevice::ReadOnly));
  const QString md = QString::fromUtf8(credits.readAll());
  auto attribution = QRegularExpression("(Icons made by .*?/by/3\\.0/\\))",
                                        QRegularExpression::DotMatchesEverythingOption)
                         .match(md);
  ASSERT_TRUE(attribution.hasMatch());
  const QString shown = qtview::HelpWindow::open()->toPlainText().simplified();
  QString expected = attribution.captured(1).simplified();
  expected.replace("Attribution 3.0 licence (", "Attribution 3.0 licence (CC BY 3.0, ");
  EXPECT_TRUE(shown.contains(expected)) << expected.toStdString();
}

}  // namespace
