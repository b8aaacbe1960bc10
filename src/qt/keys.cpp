// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/keys.h"

#include <QKeyEvent>

#include "ui/widget.h"

namespace qtview {

namespace {

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

// How a tooltip writes a key.
QString shown(const QKeySequence& key) {
  switch (key[0].toCombined()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return "Enter";
    case Qt::Key_Escape:
      return "Esc";
    case Qt::Key_Up:
      return "↑";
    case Qt::Key_Down:
      return "↓";
    case Qt::Key_Left:
      return "←";
    case Qt::Key_Right:
      return "→";
    default:
      return key.toString(QKeySequence::NativeText);
  }
}

}  // namespace

QList<QKeySequence> keysOf(const ui::Button& button) {
  const ui::ButtonDesign& design = button.design();
  QList<QKeySequence> keys;
  if (!design.keys.empty())
    keys = QKeySequence::listFromString(QString::fromStdString(design.keys));
  if (design.isDefault) keys << QKeySequence(Qt::Key_Return) << QKeySequence(Qt::Key_Enter);
  if (design.isCancel) keys << QKeySequence(Qt::Key_Escape);
  return keys;
}

QKeySequence keyOf(const QKeyEvent& key) {
  return QKeySequence(key.keyCombination().toCombined() & ~Qt::KeypadModifier);
}

ui::Widget* keyTarget(const ui::Screen& screen, const QKeyEvent& key) {
  if (const std::string& any = screen.design().anyKey; !any.empty())
    return anyKey(key.key()) ? screen.find(any) : nullptr;
  const QKeySequence pressed = keyOf(key);
  ui::Widget* first = nullptr;
  for (ui::Widget* widget : screen.widgets()) {
    if (widget->kind() != ui::Kind::Button) continue;
    if (!keysOf(static_cast<const ui::Button&>(*widget)).contains(pressed)) continue;
    if (ready(*widget)) return widget;
    if (!first) first = widget;
  }
  return first;
}

QString keyName(const ui::Widget& widget) {
  if (widget.kind() != ui::Kind::Button) return {};
  QStringList names;
  for (const QKeySequence& key : keysOf(static_cast<const ui::Button&>(widget)))
    if (!names.contains(shown(key))) names << shown(key);
  return names.join('/');
}

FocusKey focusKey(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return FocusKey::None;
  switch (key.key()) {
    case Qt::Key_Backtab:
      return FocusKey::Previous;
    case Qt::Key_Tab:
      return modifiers & Qt::ShiftModifier ? FocusKey::Previous : FocusKey::Next;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return FocusKey::Press;
    case Qt::Key_Up:
      return FocusKey::Up;
    case Qt::Key_Down:
      return FocusKey::Down;
    case Qt::Key_Left:
      return FocusKey::Left;
    case Qt::Key_Right:
      return FocusKey::Right;
    default:
      return FocusKey::None;
  }
}

QList<QKeySequence> focusKeys(const ui::Screen& screen) {
  QList<QKeySequence> keys{QKeySequence(Qt::Key_Tab), QKeySequence(Qt::SHIFT | Qt::Key_Backtab),
                           QKeySequence(Qt::Key_Space)};
  if (hasPlaces(screen))
    keys << QKeySequence(Qt::Key_Up) << QKeySequence(Qt::Key_Down) << QKeySequence(Qt::Key_Left)
         << QKeySequence(Qt::Key_Right);
  return keys;
}

bool hasPlaces(const ui::Screen& screen) {
  for (const ui::Widget* widget : screen.widgets())
    if (widget->kind() == ui::Kind::Button &&
        static_cast<const ui::Button*>(widget)->design().place)
      return true;
  return false;
}

}  // namespace qtview
