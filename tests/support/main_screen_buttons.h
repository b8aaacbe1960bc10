#pragma once

// The main screen's command buttons, as the tests of its commands look at them.

#include <string>
#include <vector>

#include "screens/main/main_screen.h"

namespace support {

// Every command button by number, Command1 to Command15.
inline std::vector<ui::Button*> commands(MainScreen& ma1) {
  return {&ma1.Command1,  &ma1.Command2,  &ma1.Command3,  &ma1.Command4,  &ma1.Command5,
          &ma1.Command6,  &ma1.Command7,  &ma1.Command8,  &ma1.Command9,  &ma1.Command10,
          &ma1.Command11, &ma1.Command12, &ma1.Command13, &ma1.Command14, &ma1.Command15};
}

// "1" for each enabled button, "0" for each disabled one, in order.
inline std::string states(const std::vector<ui::Button*>& buttons) {
  std::string text;
  for (ui::Button* button : buttons) text += button->enabled() ? '1' : '0';
  return text;
}

}  // namespace support
