// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's pace: how fast the model's clock runs against the real one, as a
// multiple of the rules' own pace, stepped with + and -.

#include <QString>

class QKeyEvent;

namespace qtview {

// The fastest pace, "即": the computer's steps and the sieges between its
// nations run without waiting; whatever the player takes part in runs at ×8.
// The value only names it.
inline constexpr int kFastest = 1000;
// ×1, ×2, ×4, ×8 and the fastest, in the order + steps through them.
inline constexpr int kPaces[] = {1, 2, 4, 8, kFastest};
// How fast the model's clock runs against the real one while it waits: the
// fastest waits at ×8.
inline constexpr int paceRate(int pace) { return pace == kFastest ? 8 : pace; }

// +1 for a key that steps the pace up, -1 for one that steps it down, else 0.
int paceStep(const QKeyEvent& key);
// The pace one step up (`step` 1) or down (-1) from `pace`, kept at the ends.
int steppedPace(int pace, int step);
// What a window's title adds for the pace: nothing at ×1, " ×2" and so on,
// " 即" at the fastest.
QString paceSuffix(int pace);

}  // namespace qtview
