// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's keys. A key that presses something names a model widget, which
// then goes the way of a mouse click: the model ignores it while the widget is
// hidden or disabled.

#include <QString>

#include "ui/screen.h"

class QKeyEvent;

namespace qtview {

// The widget a key presses on `screen`, or null.
ui::Widget* keyTarget(const ui::Screen& screen, const QKeyEvent& key);
// The key that presses `widget`, as its tooltip names it, or empty.
QString keyName(const ui::Widget& widget);

}  // namespace qtview
