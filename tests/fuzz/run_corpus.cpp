// SPDX-License-Identifier: GPL-3.0-or-later
// load_corpus FOLDER: runs every file of the loader's seed corpus through
// what the fuzzer does with an input. Each is a real saved game, so each must
// be accepted, as it stands and with its check made again.

#include <filesystem>
#include <iostream>

#include "fuzz/load_and_play.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: load_corpus FOLDER\n";
    return 2;
  }
  int files = 0, refused = 0;
  for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
    const std::string text = ui::readSaveFile(entry.path().string());
    ++files;
    if (!fuzz::loadAndPlay(text) || fuzz::withGoodCheck(text) != text) {
      std::cerr << entry.path().string() << ": refused\n";
      ++refused;
    }
  }
  std::cout << files << " saved games, " << refused << " refused\n";
  return files > 0 && refused == 0 ? 0 : 1;
}
