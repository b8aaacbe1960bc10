// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A player who clicks at random: each move is a wait of the virtual clock or
// a click on something clickable of a shown screen, written by name so that
// the same moves replay on another program in the same state. Quitting is
// left out, so the games run on.

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ui/desktop.h"

namespace play {

struct Move {
  std::string screen, widget;  // empty screen: a wait of `ms`
  int ms = 0;
  bool closeBox = false;
};

inline bool clickable(const ui::Widget& widget) {
  if (!widget.showing() || !widget.onClick) return false;
  if (widget.kind() == ui::Kind::Button && !static_cast<const ui::Button&>(widget).enabled())
    return false;
  // The main screen's quit would end the game.
  return !(widget.screen().name() == "ma1" && widget.name() == "Command11");
}

// The next move for the game as it stands.
inline Move chooseMove(const ui::Desktop& desktop, std::mt19937& random) {
  std::vector<Move> clicks;
  for (ui::Screen* screen : desktop.loadedScreens()) {
    if (!screen->visible()) continue;
    for (ui::Widget* widget : screen->widgets())
      if (clickable(*widget)) clicks.push_back({screen->name(), widget->fullName()});
    if (screen->design().close == ui::CloseBox::Cancel)
      clicks.push_back({screen->name(), "", 0, true});
  }
  if (clicks.empty() || random() % 2 == 0) return {"", "", static_cast<int>(50 + random() % 2000)};
  return clicks[random() % clicks.size()];
}

// Makes the move; a handler of the game that fails is the game's own affair.
inline void makeMove(ui::Desktop& desktop, const Move& move) {
  try {
    if (move.screen.empty()) {
      desktop.advance(move.ms);
      return;
    }
    ui::SlotBase* slot = desktop.slot(move.screen);
    ui::Screen* screen = slot ? slot->loadedScreen() : nullptr;
    if (!screen) return;
    if (move.closeBox) {
      desktop.closeBox(*screen);
      return;
    }
    for (ui::Widget* widget : screen->widgets())
      if (widget->fullName() == move.widget) {
        desktop.click(*widget);
        return;
      }
  } catch (const std::exception&) {
  }
}

// Everything the player and the rules can see of the game, read through the
// widgets themselves: every loaded screen and widget, the clock and the
// random source.
inline std::string describe(const ui::Desktop& desktop) {
  std::ostringstream out;
  out << "now " << desktop.now() << " ended " << desktop.ended() << '\n';
  const ui::Random::State random = desktop.random().state();
  out << "random " << random.state << ' ' << random.fixed << ' ' << random.seed;
  for (float draw : random.queued) out << ' ' << draw;
  out << '\n';
  for (ui::SlotBase* slot : desktop.slots()) {
    const ui::Screen* screen = slot->loadedScreen();
    if (!screen) continue;
    out << slot->name() << " shown " << screen->visible() << " shows " << screen->shows() << '\n';
    for (const ui::Widget* widget : screen->widgets()) {
      out << ' ' << widget->fullName() << ' ' << widget->visible();
      switch (widget->kind()) {
        case ui::Kind::Label: {
          const auto& label = static_cast<const ui::Label&>(*widget);
          out << " [" << label.caption() << "] " << label.foreColor().rgb
              << label.foreColor().buttonFace;
          break;
        }
        case ui::Kind::Button: {
          const auto& button = static_cast<const ui::Button&>(*widget);
          out << " [" << button.caption() << "] " << button.enabled() << ' ' << button.picture();
          break;
        }
        case ui::Kind::Image:
          out << ' ' << static_cast<const ui::Image&>(*widget).picture();
          break;
        case ui::Kind::Frame:
          out << " [" << static_cast<const ui::Frame&>(*widget).caption() << ']';
          break;
        case ui::Kind::Timer: {
          const auto& timer = static_cast<const ui::Timer&>(*widget);
          out << ' ' << timer.enabled();
          if (timer.armed()) out << ' ' << timer.due();
          break;
        }
        default:
          break;
      }
      out << '\n';
    }
  }
  return out.str();
}

}  // namespace play
