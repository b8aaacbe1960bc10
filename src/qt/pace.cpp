// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/pace.h"

#include <QKeyEvent>
#include <algorithm>
#include <iterator>

namespace qtview {

int paceStep(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Plus:
      return 1;
    case Qt::Key_Minus:
      return -1;
    default:
      return 0;
  }
}

int steppedPace(int pace, int step) {
  const auto* at = std::find(std::begin(kPaces), std::end(kPaces), pace);
  if (at == std::end(kPaces)) return pace;
  if (step > 0 && at + 1 < std::end(kPaces)) return *(at + 1);
  if (step < 0 && at > std::begin(kPaces)) return *(at - 1);
  return pace;
}

QString paceSuffix(int pace) {
  if (pace == kFastest) return QStringLiteral(" 即");
  return pace > 1 ? QString(" ×%1").arg(pace) : QString();
}

}  // namespace qtview
