// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's keys, as the screens declare them: a button's default (Enter),
// cancel (Esc) and keys of its own, the widget any key presses on a screen.
// A key that presses something names a model widget, which then goes the way
// of a mouse click: the model ignores it while the widget is hidden or
// disabled. Besides them every window answers to the keys of its focus mark.

#include <QKeySequence>
#include <QList>
#include <QString>

#include "ui/screen.h"

class QKeyEvent;

namespace qtview {

// The keys a button's design declares, Enter and Esc included.
QList<QKeySequence> keysOf(const ui::Button& button);
// The key a key event stands for: the keypad's keys as the others.
QKeySequence keyOf(const QKeyEvent& key);
// The widget a key presses on `screen`, or null. Where several buttons share
// the key, the one that is enabled and showing.
ui::Widget* keyTarget(const ui::Screen& screen, const QKeyEvent& key);
// The keys that press `widget`, for its tooltip ("Enter", "↑/→"), or empty.
QString keyName(const ui::Widget& widget);

// The focus mark's keys: Tab and Shift+Tab move it among the enabled buttons,
// Space (and Enter) press the button it marks, and on a window with places
// the arrow keys move it among the places.
enum class FocusKey { None, Next, Previous, Press, Up, Down, Left, Right };
FocusKey focusKey(const QKeyEvent& key);
// The keys the focus mark takes on a window of `screen`, Enter left out
// (it presses the default button while nothing is marked).
QList<QKeySequence> focusKeys(const ui::Screen& screen);
// Whether a screen has places on a map.
bool hasPlaces(const ui::Screen& screen);

}  // namespace qtview
