// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/pictures.h"

#include <gtest/gtest.h>

#include <QImage>

#include "screens/program.h"

namespace {

// Every picture a screen of the game shows at design time is compiled in, and
// its high-resolution version is exactly three times its logical size.
TEST(Pictures, EveryPictureTheScreensNameIsThere) {
  Program program;
  int named = 0;
  program.run([&] {
    for (ui::SlotBase* slot : program.slots()) {
      ui::Screen& screen = slot->reference();
      for (ui::Widget* widget : screen.widgets()) {
        std::string name;
        if (widget->kind() == ui::Kind::Image) name = static_cast<ui::Image&>(*widget).picture();
        if (widget->kind() == ui::Kind::Button) name = static_cast<ui::Button&>(*widget).picture();
        if (name.empty()) continue;
        ++named;
        SCOPED_TRACE(screen.name() + "." + widget->fullName() + " shows " + name);
        QImage logical(qtview::picturePath(name));
        ASSERT_FALSE(logical.isNull());
        QPixmap shown = qtview::picture(name);
        ASSERT_FALSE(shown.isNull());
        EXPECT_EQ(shown.deviceIndependentSize().toSize(), logical.size());
        EXPECT_EQ(shown.devicePixelRatio(), 3);
      }
    }
  });
  EXPECT_GT(named, 26 + 9);  // at least the portraits and the region pictures
}

TEST(Pictures, APictureTheGameDoesNotHaveIsNull) {
  EXPECT_TRUE(qtview::picture("ma1.Command8").isNull());
  EXPECT_TRUE(qtview::picture("da1.t(99)").isNull());
  EXPECT_EQ(qtview::picturePath("da1.t(7)"), ":/assets/pictures/da1/t_7.png");
}

}  // namespace
