// SPDX-License-Identifier: GPL-3.0-or-later
// The loader under libFuzzer: every input is loaded as it is and again with
// a good check, and a game that is accepted plays on.

#include <cstddef>
#include <cstdint>

#include "fuzz/load_and_play.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  fuzz::loadAndPlay(text);
  fuzz::loadAndPlay(fuzz::withGoodCheck(text));
  return 0;
}
