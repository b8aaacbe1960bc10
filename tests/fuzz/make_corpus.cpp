// SPDX-License-Identifier: GPL-3.0-or-later
// make_corpus FOLDER: writes the loader's seed corpus, a saved game of every
// moment the random players reach, two of each (tests/support/saved_moments.h), named by
// the moment and the start it came from.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>

#include "support/saved_moments.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_corpus FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  int written = 0;
  std::map<std::string, int> kept;  // moment -> saves written of it
  for (const play::Start& start : play::starts()) {
    for (const play::Save& save : play::playAndSave(start).saves) {
      std::string name;
      for (const std::string& moment : save.moments) {
        if (!name.empty()) name += '+';
        for (char c : moment) name += c == ' ' || c == '\'' ? '-' : c;
      }
      if (name.empty()) name = "nothing-shown";
      if (kept[name]++ >= 2) continue;
      const auto path = folder / (name + "." + std::to_string(start.seed) + "." +
                                  std::to_string(save.move) + ".save");
      std::ofstream(path, std::ios::binary) << save.text;
      ++written;
    }
  }
  std::cout << written << " saved games in " << folder.string() << '\n';
}
