// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <type_traits>

#include "support/tiny_program.h"

using ui::Val;

// A label's number is Val of its text, whichever way the text was written.
TEST(Captions, ReadBackValOfTheirText) {
  tiny::Program program;
  ui::Label& label = program.one().ticks;
  EXPECT_EQ(Val(label.caption()), 0);  // the design-time "0"
  label.setCaption(1.0 / 3);
  EXPECT_EQ(label.caption(), "0.333333333333333");
  EXPECT_EQ(Val(label.caption()), 0.333333333333333);
  label.setCaption(-1230);
  EXPECT_EQ(Val(label.caption()), -1230);
  label.setCaption("12兵");
  EXPECT_EQ(Val(label.caption()), 12);
  label.setCaption(Val(label.caption()) + 1);
  EXPECT_EQ(label.caption(), "13");
  EXPECT_EQ(label.caption() + "人", "13人");

  // A caption copied from another label reads back as that one does.
  ui::Label& other = program.one().said;
  label.setCaption(" 4 2 ");
  other.setCaption(label.caption());
  EXPECT_EQ(other.caption(), " 4 2 ");
  EXPECT_EQ(Val(other.caption()), 42);
  label.setCaption("1e309");
  other.setCaption(label.caption());
  EXPECT_THROW(Val(other.caption()), ui::ConversionError);
  label.setCaption(2.5);
  other.setCaption(label.caption());
  EXPECT_EQ(Val(other.caption()), 2.5);
}

// A caption is written only through its label, so its text and number never
// part: a copy cannot be changed as a string, and a character is no number.
template <class T>
concept ChangedAsAString = requires(T cell) {
  cell += "0";
  cell.append("0");
  cell[0] = '1';
  cell.clear();
};
template <class T>
concept TakesACharacter = requires(T label) {
  label.setCaption('5');
};

TEST(Captions, AreWrittenOnlyThroughTheirLabel) {
  static_assert(!std::is_base_of_v<std::string, ui::TextCell>);
  static_assert(!std::is_convertible_v<ui::TextCell&, std::string&>);
  static_assert(!ChangedAsAString<ui::TextCell>);
  static_assert(!TakesACharacter<ui::Label&>);

  tiny::Program program;
  ui::Label& a = program.one().ticks;
  ui::Label& b = program.one().said;
  a.setCaption(13);
  std::string text = a.caption();
  text += "0";
  b.setCaption(text);
  EXPECT_EQ(b.caption(), "130");
  EXPECT_EQ(Val(b.caption()), 130);
  b.setCaption(a.caption());
  EXPECT_EQ(Val(b.caption()), 13);
  EXPECT_EQ(b.caption().text(), "13");
}

TEST(Captions, NeverHoldInfinityOrNaN) {
  tiny::Program program;
  ui::Label& label = program.one().ticks;
  label.setCaption(7);
  for (double value : {double(INFINITY), -double(INFINITY), double(NAN)}) {
    EXPECT_THROW(label.setCaption(value), ui::ConversionError);
    EXPECT_EQ(label.caption(), "7");
  }
  // A text beyond the range of a double stays text; reading it is the error.
  label.setCaption("1e309");
  EXPECT_THROW(Val(label.caption()), ui::ConversionError);
  EXPECT_THROW(label.setCaption(Val(label.caption()) + 1), ui::ConversionError);
  EXPECT_EQ(label.caption(), "1e309");
}
