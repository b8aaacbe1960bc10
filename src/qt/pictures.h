// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's pictures, compiled in as resources and named by the widget that
// holds them at design time ("da1.t(7)" is assets/pictures/da1/t_7.png). The
// high-resolution version is used where there is one, so stretched portraits
// and high-density screens stay sharp.

#include <QPixmap>
#include <QSize>
#include <QString>
#include <string>

namespace qtview {

// The resource path of a picture's 1x file.
QString picturePath(const std::string& name);
// The picture at its logical size (its device pixel ratio set for the
// high-resolution version); a null pixmap when the game has no such picture.
QPixmap picture(const std::string& name);

}  // namespace qtview
