// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/fonts.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QPainterPath>
#include <QRawFont>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <set>

#include "screens/program.h"

namespace {

TEST(Fonts, BrushTextSwitchesToTheFallbackOnlyWhereItMust) {
  const ui::Font brush{ui::kBrush, 18};
  // The brush face draws ！ ？ ～ itself; it draws halfwidth dots full width,
  // so they switch to the fallback face.
  EXPECT_EQ(qtview::brushRichText("なぜだ！？～", brush), "");
  EXPECT_EQ(qtview::brushRichText("ゲーム クリアー", brush), "");
  QString dots = qtview::brushRichText("肖像があった･･･", brush);
  EXPECT_EQ(dots.count("<span"), 3) << dots.toStdString();
  EXPECT_TRUE(dots.startsWith("肖像があった<span")) << dots.toStdString();
  EXPECT_EQ(qtview::brushRichText("･", {ui::kGothic, 9.75}), "");
  EXPECT_EQ(qtview::fontFor({ui::kGothic, 9}).pixelSize(), 12);
  EXPECT_FALSE(qtview::fontFor({ui::kGothic, 9}).bold());
}

TEST(Fonts, TheBrushFaceIsInstalledAndDrawnHeavierThanItsHairline) {
  QFont brush = qtview::fontFor({ui::kBrush, 11.25});
  EXPECT_EQ(QFontInfo(brush).family(), "KouzanBrushFont");
  EXPECT_EQ(brush.pixelSize(), 15);
  EXPECT_TRUE(brush.bold());
  EXPECT_EQ(brush.hintingPreference(), QFont::PreferNoHinting);
}

// Every text the game shows in the brush face, as far as it is written down:
// the design-time captions of the brush widgets, the nation names (the
// selection and the battle's dialogue speak them) and every text of the
// screens that show brush text (opening, ending, battle).
std::set<QString> brushTexts(std::set<QString>& buttonCaptions) {
  std::set<QString> texts;
  Program program;
  program.run([&] {
    for (ui::SlotBase* slot : program.slots()) {
      for (ui::Widget* widget : slot->reference().widgets()) {
        if (widget->kind() == ui::Kind::Label) {
          auto& label = static_cast<ui::Label&>(*widget);
          if (qtview::isBrush(label.design().font))
            texts.insert(QString::fromStdString(label.caption()));
        } else if (widget->kind() == ui::Kind::Button) {
          auto& button = static_cast<ui::Button&>(*widget);
          if (qtview::isBrush(button.design().font))
            buttonCaptions.insert(QString::fromStdString(button.caption()));
        }
      }
    }
    for (int j = 0; j < 26; ++j)
      texts.insert(QString::fromStdString(program.da1().tt(j).caption()));
  });
  texts.insert("第0123456789ターン");
  const QRegularExpression literal("\"((?:[^\"\\\\]|\\\\.)*)\"");
  for (const char* source :
       {"screens/front/opening_screen.h", "screens/front/opening_screen.cpp",
        "screens/front/ending_screen.cpp", "screens/battle/battle_screen.cpp"}) {
    QFile file(QString(GUNSEI_SOURCE_DIR "/src/") + source);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << source;
    const QString code = QString::fromUtf8(file.readAll());
    for (const auto& match : literal.globalMatch(code)) {
      const QString text = match.captured(1);
      if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 127; }))
        texts.insert(text);
    }
  }
  return texts;
}

bool drawn(const QRawFont& face, QChar c) {
  if (!face.supportsCharacter(c)) return false;
  const QList<quint32> glyphs = face.glyphIndexesForString(QString(c));
  return !glyphs.isEmpty() && !face.pathForGlyph(glyphs.front()).isEmpty();
}

TEST(Fonts, EveryBrushCharacterOfTheGameIsDrawnWithInk) {
  const ui::Font speech{ui::kBrush, 11.25};
  const QRawFont brush = QRawFont::fromFont(qtview::fontFor(speech));
  QFont fallbackFont = qtview::fontFor(speech);
  fallbackFont.setFamilies({"IPAPMincho"});
  const QRawFont fallback = QRawFont::fromFont(fallbackFont);
  ASSERT_EQ(brush.familyName(), "KouzanBrushFont");
  ASSERT_EQ(fallback.familyName(), "IPAPMincho");

  std::set<QString> buttons;
  const std::set<QString> texts = brushTexts(buttons);
  EXPECT_TRUE(texts.count("肖像があった･･･"));
  EXPECT_TRUE(texts.count("ものどもおまえらの命私に預けよ！"));
  EXPECT_TRUE(buttons.count("内応工作"));
  int checked = 0;
  // A label shows its text through brushRichText: the characters it puts in
  // a span are drawn by the fallback face, the rest by the brush face.
  for (const QString& text : texts) {
    QString rich = qtview::brushRichText(text, speech);
    QTextDocument document;
    if (rich.isEmpty())
      document.setPlainText(text);
    else
      document.setHtml(rich);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const bool inFallback =
            fragment.charFormat().fontFamilies().toStringList().contains("IPAPMincho");
        for (QChar c : fragment.text()) {
          if (c.isSpace()) continue;
          ++checked;
          EXPECT_TRUE(drawn(inFallback ? fallback : brush, c))
              << QString(c).toStdString() << " of " << text.toStdString();
          if (c.unicode() >= 0xff61 && c.unicode() <= 0xff9f) {
            EXPECT_TRUE(inFallback) << "halfwidth " << QString(c).toStdString();
          }
        }
      }
    }
  }
  // Button captions are plain text: the brush face alone draws them.
  for (const QString& caption : buttons) {
    for (QChar c : caption) {
      if (c.isSpace()) continue;
      EXPECT_TRUE(drawn(brush, c)) << caption.toStdString();
    }
  }
  EXPECT_GT(checked, 500);
}

}  // namespace
