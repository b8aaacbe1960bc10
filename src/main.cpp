// SPDX-License-Identifier: GPL-3.0-or-later
// 群星の年代記: the game on the desktop.

#include <QApplication>
#include <QIcon>

#include "qt/chronicle_window.h"
#include "qt/game_menu.h"
#include "qt/help_window.h"
#include "qt/qt_desktop.h"
#include "qt/save_games.h"
#include "screens/program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("gunsei");
  QApplication::setApplicationDisplayName("群星の年代記");
  // The application id names the desktop entry, the metainfo and the icons.
  QGuiApplication::setDesktopFileName("io.github.gunsei.Gunsei");
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
    icon.addFile(
        QString(":/assets/icons/hicolor/%1x%1/apps/io.github.gunsei.Gunsei.png").arg(size));
  QApplication::setWindowIcon(icon);
  QApplication::setQuitOnLastWindowClosed(false);  // the game decides when it ends

  Program program;
  qtview::QtDesktop desktop(program);
  qtview::SaveGames saves(program, desktop);
  qtview::GameMenu menu;
  menu.add(qtview::HelpWindow::entry());
  menu.add(saves.saveEntry());
  menu.add(saves.loadEntry());
  menu.add(qtview::ChronicleWindow::entry(program.record));
  desktop.start();
  saves.offerContinue();
  return QApplication::exec();
}
