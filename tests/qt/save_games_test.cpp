// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/save_games.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>

#include "screens/program.h"
#include "support/random_player.h"
#include "ui/save_game.h"

namespace {

constexpr std::int64_t kMs = 1'000'000;

std::string contents(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

// The game of nation 9 on a desktop whose real clock the test moves, saving
// into a folder of its own.
struct Desk {
  explicit Desk(const QString& folder) : saves(program, desktop, folder) {}

  // Lets the real clock run until the game comes to the player's step.
  void toPlayersStep() {
    for (int i = 0; i < 4000 && !program.playersStep(); ++i) {
      real += 250 * kMs;
      desktop.wake();
    }
    ASSERT_TRUE(program.playersStep());
  }
  void startOnMainScreen() {
    program.seed(5);
    program.ma1().mm.setCaption("9");
    program.ma1().count1.setCaption("11");
    program.run([this] { program.ma1.show(); });
    desktop.sync();
    toPlayersStep();
  }

  Program program;
  std::int64_t real = 0;
  qtview::QtDesktop desktop{program, [this] { return real; }};
  qtview::SaveGames saves;
};

class SaveGames : public ::testing::Test {
 protected:
  QTemporaryDir folder;
};

TEST_F(SaveGames, AutosaveAtEveryPlayersStepKeepingTheOneBefore) {
  Desk desk(folder.path());
  desk.startOnMainScreen();
  const std::string first = contents(desk.saves.autosavePath());
  ASSERT_FALSE(first.empty());
  EXPECT_NE(first.find("part title 1\nカイ武装団　1230年11月\n"), std::string::npos);
  EXPECT_NE(first.find("part pace 1\npace 1\n"), std::string::npos);
  Program loaded;
  ui::loadGame(loaded, first);
  EXPECT_TRUE(play::describe(loaded) == play::describe(desk.program));

  // Later events of the same step write nothing; the next step does.
  desk.real += 5000 * kMs;
  desk.desktop.wake();
  EXPECT_EQ(contents(desk.saves.autosavePath()), first);
  desk.program.click(desk.program.ma1().Command9);
  desk.toPlayersStep();
  EXPECT_EQ(contents(desk.saves.previousAutosavePath()), first);
  EXPECT_NE(contents(desk.saves.autosavePath()), first);
}

TEST_F(SaveGames, TheFirstScreenOffersToContinueTheNewestReadableAutosave) {
  std::string saved;
  {
    Desk desk(folder.path());
    desk.startOnMainScreen();
    saved = play::describe(desk.program);
  }
  struct Case {
    const char* how;
    bool damageNewest;
  };
  for (const Case& c : {Case{"Enter", false}, Case{"click", false}, Case{"Enter", true}}) {
    SCOPED_TRACE(std::string(c.how) + (c.damageNewest ? ", the newest damaged" : ""));
    QTemporaryDir own;
    for (const char* name : {"/autosave.save", "/autosave.previous.save"})
      QFile::copy(folder.path() + "/autosave.save", own.path() + name);
    if (c.damageNewest) {
      QFile file(own.path() + "/autosave.save");
      ASSERT_TRUE(file.open(QIODevice::Append));
      file.write("x");
    }
    Desk desk(own.path());
    desk.desktop.start();
    desk.saves.offerContinue();
    QPushButton* offer = desk.saves.offer();
    ASSERT_NE(offer, nullptr);
    EXPECT_EQ(offer->text(), "続きから　カイ武装団　1230年11月");
    EXPECT_TRUE(offer->isVisible());
    if (std::string(c.how) == "Enter") {
      QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      QApplication::sendEvent(offer, &enter);
    } else {
      offer->click();
    }
    EXPECT_EQ(desk.saves.offer(), nullptr);
    EXPECT_TRUE(play::describe(desk.program) == saved);
    EXPECT_TRUE(desk.program.playersStep());
    EXPECT_NE(desk.desktop.window("ma1"), nullptr);
    EXPECT_EQ(desk.desktop.window("op1"), nullptr);
  }
}

TEST_F(SaveGames, AnyOtherClickOrKeyStartsTheOpeningAsEver) {
  {
    Desk desk(folder.path());
    desk.startOnMainScreen();
  }
  // The same click or key on the same opening without an offer does the same.
  for (bool key : {false, true}) {
    SCOPED_TRACE(key ? "a key" : "a click");
    QTemporaryDir empty;
    Desk offered(folder.path()), plain(empty.path());
    for (Desk* desk : {&offered, &plain}) {
      desk->program.seed(1);
      desk->desktop.start();
      desk->saves.offerContinue();
      ASSERT_EQ(desk->saves.offer() != nullptr, desk == &offered);
      QWidget* opening = desk->desktop.window("op1");
      ASSERT_NE(opening, nullptr);
      if (key) {
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        QApplication::sendEvent(opening, &space);
      } else {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(400, 300), QPointF(400, 300),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(400, 300), QPointF(400, 300),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(opening->childAt(400, 300) ? opening->childAt(400, 300) : opening,
                                &press);
        QApplication::sendEvent(opening->childAt(400, 300) ? opening->childAt(400, 300) : opening,
                                &release);
      }
      EXPECT_EQ(desk->saves.offer(), nullptr);
      EXPECT_FALSE(desk->program.ma1.loaded());
    }
    EXPECT_TRUE(play::describe(offered.program) == play::describe(plain.program));
  }
  // Without an autosave nothing is offered.
  QTemporaryDir empty;
  Desk desk(empty.path());
  desk.desktop.start();
  desk.saves.offerContinue();
  EXPECT_EQ(desk.saves.offer(), nullptr);
}

TEST_F(SaveGames, QuittingMidwaySavesAndTheGamesEndRemovesTheAutosaves) {
  {
    Desk desk(folder.path());
    desk.startOnMainScreen();
    desk.program.ma1().Label31.setCaption("quit here");
    desk.program.click(desk.program.ma1().Command11);
    ASSERT_TRUE(desk.program.ended());
  }
  const std::string quit = contents(folder.path() + "/autosave.save");
  EXPECT_NE(quit.find("caption Label31 quit here\n"), std::string::npos);
  EXPECT_NE(quit.find("ended 0\n"), std::string::npos);
  ASSERT_TRUE(QFile::exists(folder.path() + "/autosave.previous.save"));

  // The ending's last tick, or the month that finds the player with nothing.
  for (bool victory : {true, false}) {
    Desk desk(folder.path());
    desk.startOnMainScreen();
    if (victory) {
      desk.program.run([&] { desk.program.en1.show(); });
      desk.program.en1().Label2.setCaption("59");
    } else {
      for (int i = 0; i < 35; ++i) desk.program.da2().m(i).setCaption("0");
      desk.program.click(desk.program.ma1().Command9);
    }
    for (int i = 0; i < 100 && !desk.program.ended(); ++i) {
      desk.real += 500 * kMs;
      desk.desktop.wake();
    }
    ASSERT_TRUE(desk.program.ended());
    EXPECT_FALSE(QFile::exists(desk.saves.autosavePath())) << victory;
    EXPECT_FALSE(QFile::exists(desk.saves.previousAutosavePath())) << victory;
  }
}

TEST_F(SaveGames, AFailedWriteIsToldAndARefusedFileChangesNothing) {
  Desk desk(folder.path());
  desk.startOnMainScreen();
  QFile blocker(folder.path() + "/not-a-folder");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_TRUE(desk.saves.write(folder.path() + "/not-a-folder/game.save").has_value());
  EXPECT_FALSE(QFile::exists(folder.path() + "/not-a-folder/game.save"));

  const std::string before = play::describe(desk.program);
  QFile junk(folder.path() + "/junk.save");
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("gunsei-save 1\ngame 0.1\nclock 5\ncheck 0\n");
  junk.close();
  std::optional<QString> error = desk.saves.read(junk.fileName());
  ASSERT_TRUE(error.has_value());
  EXPECT_TRUE(error->contains("check does not match")) << error->toStdString();
  EXPECT_TRUE(play::describe(desk.program) == before);
}

TEST_F(SaveGames, ThePaceGoesWithTheGame) {
  const QString path = folder.path() + "/paced.save";
  {
    Desk desk(folder.path());
    desk.startOnMainScreen();
    desk.desktop.setPace(4);
    ASSERT_FALSE(desk.saves.write(path).has_value());
  }
  Desk desk(folder.path());
  desk.desktop.start();
  ASSERT_FALSE(desk.saves.read(path).has_value());
  EXPECT_EQ(desk.desktop.pace(), 4);
  const std::string text = contents(path);
  std::string odd = text.substr(0, text.rfind("check "));
  odd.replace(odd.find("pace 4"), 6, "pace 3");
  odd += "check " + ui::saveCheck(odd) + "\n";
  EXPECT_THROW(ui::loadGame(desk.program, odd), ui::SaveError);
  EXPECT_EQ(desk.desktop.pace(), 4);
}

TEST_F(SaveGames, TheSaveDialogProposesTheNationAndTheDate) {
  Desk desk(folder.path());
  desk.startOnMainScreen();
  QString proposed;
  QTimer::singleShot(0, [&] {
    for (QWidget* window : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<QFileDialog*>(window); dialog && dialog->isVisible()) {
        proposed = dialog->selectedFiles().value(0);
        QMetaObject::invokeMethod(dialog, "accept");
      }
  });
  desk.saves.saveByDialog();
  EXPECT_EQ(proposed, folder.path() + "/カイ武装団　1230年11月.save");
  EXPECT_FALSE(contents(proposed).empty());
}

}  // namespace
