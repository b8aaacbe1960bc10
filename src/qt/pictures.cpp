// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/pictures.h"

#include <QFile>
#include <QHash>

namespace qtview {

QString picturePath(const std::string& name) {
  QString file = QString::fromStdString(name);
  file.replace('.', '/');
  file.replace('(', '_');
  file.remove(')');
  return ":/assets/pictures/" + file + ".png";
}

QPixmap picture(const std::string& name) {
  static QHash<QString, QPixmap> cache;
  const QString key = QString::fromStdString(name);
  auto found = cache.constFind(key);
  if (found != cache.constEnd()) return *found;

  const QString path = picturePath(name);
  QPixmap result;
  QString sharp = path;
  sharp.replace(".png", "@3x.png");
  if (QFile::exists(sharp) && result.load(sharp)) {
    result.setDevicePixelRatio(3);
  } else if (!result.load(path)) {
    result = QPixmap();
  }
  cache.insert(key, result);
  return result;
}

}  // namespace qtview
