// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/keys.h"

#include <QKeyEvent>
#include <string_view>

#include "ui/widget.h"

namespace qtview {

namespace {

struct Binding {
  std::string_view screen;
  std::string_view widget;
  int key;
  int alsoKey;  // the keypad's Enter, the second arrow; 0 for none
  const char* name;
};

// Enter is the dialogs' default button and Esc their cancel; the movement
// screen has no cancel. On the battle screen both rows answer to 1 to 5, and
// only the player's row is ever enabled.
constexpr Binding kBindings[] = {
    {"kin", "Command8", Qt::Key_Return, Qt::Key_Enter, "Enter"},
    {"kin", "Command7", Qt::Key_Escape, 0, "Esc"},
    {"ma3", "Command1", Qt::Key_Return, Qt::Key_Enter, "Enter"},
    {"ma3", "Command2", Qt::Key_Escape, 0, "Esc"},
    {"ma4", "Command1", Qt::Key_Return, Qt::Key_Enter, "Enter"},
    {"ma4", "Command2", Qt::Key_Escape, 0, "Esc"},
    {"ma6", "Command36", Qt::Key_Return, Qt::Key_Enter, "Enter"},
    {"op2", "Command1", Qt::Key_Up, Qt::Key_Right, "↑/→"},
    {"op2", "Command2", Qt::Key_Down, Qt::Key_Left, "↓/←"},
    {"op2", "Command3", Qt::Key_Return, Qt::Key_Enter, "Enter"},
    {"ma2", "Command1", Qt::Key_1, 0, "1"},
    {"ma2", "Command2", Qt::Key_2, 0, "2"},
    {"ma2", "Command3", Qt::Key_3, 0, "3"},
    {"ma2", "Command4", Qt::Key_4, 0, "4"},
    {"ma2", "Command5", Qt::Key_5, 0, "5"},
    {"ma2", "Command11", Qt::Key_1, 0, "1"},
    {"ma2", "Command12", Qt::Key_2, 0, "2"},
    {"ma2", "Command13", Qt::Key_3, 0, "3"},
    {"ma2", "Command14", Qt::Key_4, 0, "4"},
    {"ma2", "Command15", Qt::Key_5, 0, "5"},
};

bool ready(const ui::Widget& widget) {
  if (!widget.showing()) return false;
  return widget.kind() != ui::Kind::Button || static_cast<const ui::Button&>(widget).enabled();
}

// Keys that are no key press of their own, or belong to the whole game.
bool anyKey(int key) {
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_F1:
    case Qt::Key_unknown:
      return false;
    default:
      return true;
  }
}

}  // namespace

ui::Widget* keyTarget(const ui::Screen& screen, const QKeyEvent& key) {
  // The opening: any key is the click on the screen.
  if (screen.name() == "op1") return anyKey(key.key()) ? screen.find("Image1") : nullptr;
  ui::Widget* first = nullptr;
  for (const Binding& binding : kBindings) {
    if (binding.screen != screen.name()) continue;
    if (key.key() != binding.key && (binding.alsoKey == 0 || key.key() != binding.alsoKey))
      continue;
    ui::Widget* widget = screen.find(binding.widget);
    if (!widget) continue;
    if (ready(*widget)) return widget;
    if (!first) first = widget;
  }
  return first;
}

QString keyName(const ui::Widget& widget) {
  for (const Binding& binding : kBindings)
    if (binding.screen == widget.screen().name() && binding.widget == widget.name())
      return QString::fromUtf8(binding.name);
  return {};
}

}  // namespace qtview
