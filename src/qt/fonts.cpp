// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/fonts.h"

#include <QHash>
#include <QPainterPath>
#include <QRawFont>

namespace qtview {

namespace {

const QStringList kGothicFaces{"IPAPGothic", "VL PGothic", "Noto Sans CJK JP"};
// Kouzan Mouhitsu draws every character of the game's brush texts; Aoyagi
// Kouzan has the same letters but leaves ！ ？ ～ blank.
const QStringList kBrushFaces{"KouzanBrushFont", "AoyagiKouzanFontT", "IPAPMincho",
                              "Noto Serif CJK JP"};
const QString kBrushFallback = "IPAPMincho";

// A character the brush face cannot draw as it should: one it maps to a glyph
// without an outline, or a halfwidth form, which it draws full width.
bool blankInBrush(QChar c) {
  static QHash<QChar, bool> known;
  if (c.isSpace()) return false;
  if (c.unicode() >= 0xff61 && c.unicode() <= 0xff9f) return true;
  auto found = known.constFind(c);
  if (found != known.constEnd()) return *found;
  // The face Qt picks for brush text: the first of the list that is installed.
  static const QRawFont raw = QRawFont::fromFont(fontFor({ui::kBrush, 18}));
  bool blank = false;
  if (raw.isValid() && raw.familyName() != kBrushFallback && raw.supportsCharacter(c)) {
    QList<quint32> glyphs = raw.glyphIndexesForString(QString(c));
    blank = glyphs.isEmpty() || raw.pathForGlyph(glyphs.front()).isEmpty();
  }
  known.insert(c, blank);
  return blank;
}

}  // namespace

bool isBrush(const ui::Font& font) { return font.name == ui::kBrush; }

QFont fontFor(const ui::Font& font) {
  QFont result;
  result.setFamilies(isBrush(font) ? kBrushFaces : kGothicFaces);
  // Points at 96 dots per inch, as the screens were laid out.
  result.setPixelSize(qMax(1, qRound(font.points * 96 / 72)));
  result.setBold(font.bold);
  result.setStyleStrategy(QFont::PreferAntialias);
  if (isBrush(font)) {
    // The brush face has a single hairline weight: asking for bold thickens
    // every stroke by a twenty-fourth of the size (the face has no bold of
    // its own, so the rasteriser emboldens it), which makes the battle's
    // 15 px dialogue read at 1x. Without hinting the strokes keep their
    // brush shapes and the letters their spacing on every desktop.
    result.setBold(true);
    result.setHintingPreference(QFont::PreferNoHinting);
  }
  return result;
}

QString brushRichText(const QString& text, const ui::Font& font) {
  if (!isBrush(font)) return {};
  bool needed = false;
  for (QChar c : text) needed = needed || blankInBrush(c);
  if (!needed) return {};
  QString html;
  for (QChar c : text) {
    QString escaped = QString(c).toHtmlEscaped();
    if (c == '\n')
      html += "<br>";
    else if (blankInBrush(c))
      html += "<span style=\"font-family:'" + kBrushFallback + "'\">" + escaped + "</span>";
    else
      html += escaped;
  }
  return html;
}

}  // namespace qtview
