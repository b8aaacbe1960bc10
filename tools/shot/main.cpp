// SPDX-License-Identifier: GPL-3.0-or-later
// gunsei-shot SCRIPT SCREEN OUT.png [SCALE]: runs a driver script on the
// game's model, then renders SCREEN as its window would show it to a PNG,
// on the offscreen platform (SCALE 2 renders as on a high-density display).
// The script must leave SCREEN shown.

#include <QApplication>
#include <QPixmap>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "drive/script.h"
#include "qt/screen_window.h"
#include "screens/program.h"

int main(int argc, char** argv) {
  if (argc < 4 || argc > 5) {
    std::cerr << "usage: gunsei-shot SCRIPT SCREEN OUT.png [SCALE]\n";
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc == 5) qputenv("QT_SCALE_FACTOR", argv[4]);
  QApplication app(argc, argv);

  Program program;
  std::ostringstream answers;
  drive::Script script(program, answers, std::cerr);
  std::ifstream file(argv[1]);
  if (!file) {
    std::cerr << "error: cannot read " << argv[1] << '\n';
    return 2;
  }
  if (script.run(file) != 0) return 2;
  if (program.ended()) {
    std::cerr << "error: the program ended before the screenshot\n";
    return 2;
  }
  ui::SlotBase* slot = program.slot(argv[2]);
  if (!slot) {
    std::cerr << "error: unknown screen: " << argv[2] << '\n';
    return 2;
  }
  // Referencing a screen the script left closed would show its design-time
  // captions, a state no player sees.
  if (!slot->shown()) {
    std::cerr << "error: " << argv[2] << " is not shown after the script\n";
    return 2;
  }
  ui::Screen* screen = slot->loadedScreen();
  qtview::ScreenWindow window(
      *screen, [](ui::Widget&) {}, [] {});
  window.sync();
  window.show();
  QApplication::processEvents();
  if (!window.grab().save(argv[3])) {
    std::cerr << "error: cannot write " << argv[3] << '\n';
    return 2;
  }
  return 0;
}
