// SPDX-License-Identifier: GPL-3.0-or-later
// gunsei-drive [FILE]: runs the game headless on a virtual clock and answers
// the driver's line protocol, from FILE or standard input.

#include <fstream>
#include <iostream>

#include "drive/script.h"
#include "screens/program.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: gunsei-drive [FILE]\n";
    return 2;
  }
  Program program;
  drive::Script script(program, std::cout, std::cerr);
  if (argc == 1) return script.run(std::cin);
  std::ifstream file(argv[1]);
  if (!file) {
    std::cerr << "error: cannot read " << argv[1] << '\n';
    return 2;
  }
  return script.run(file);
}
