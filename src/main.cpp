// 群星の年代記: the game on the desktop.

#include <QApplication>
#include <QIcon>

#include "qt/help_window.h"
#include "qt/qt_desktop.h"
#include "screens/program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("gunsei");
  QApplication::setApplicationDisplayName("群星の年代記");
  QIcon icon(":/assets/icons/gunsei.png");
  icon.addFile(":/assets/icons/gunsei-32.png");
  QApplication::setWindowIcon(icon);
  QApplication::setQuitOnLastWindowClosed(false);  // the game decides when it ends

  Program program;
  qtview::QtDesktop desktop(program);
  qtview::HelpWindow::install();
  desktop.start();
  return QApplication::exec();
}
