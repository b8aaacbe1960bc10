// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged and hostile save files: each is refused with a message saying what
// is wrong, and the running game stays exactly as it was.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "screens/program.h"
#include "support/random_player.h"
#include "ui/save_game.h"

namespace {

// A computer's step of nation 9's game, a siege's screen open beside it.
std::string aSave() {
  Program program;
  program.seed(21);
  program.ma1().mm.setCaption("9");
  program.da3().w(0).setCaption("200");
  program.da3().d(0).setCaption("0");
  program.ma1.show();
  program.advance(1000);
  program.random().queue(0.65f);
  program.random().queue(0.0995f);
  return ui::saveGame(program);
}

// The text with a good check again after it was changed.
std::string resigned(std::string text) {
  text.erase(text.rfind("check "));
  return text + "check " + ui::saveCheck(text) + "\n";
}

// The save with the first match of `pattern` replaced, and a good check.
std::string edited(const std::string& save, const std::string& pattern, const std::string& by) {
  std::string text =
      std::regex_replace(save, std::regex(pattern), by, std::regex_constants::format_first_only);
  EXPECT_TRUE(text != save) << "nothing matched " << pattern;
  return resigned(text);
}

class BadSaves : public ::testing::Test {
 protected:
  void SetUp() override {
    game.seed(4);
    game.run([this] { game.start(); });
    game.advance(2500);
    before = play::describe(game);
  }
  // Loads `text` into the running game: it must be refused with a message
  // holding `reason`, the game untouched.
  void expectRefused(const std::string& text, const std::string& reason) {
    try {
      ui::loadGame(game, text);
      ADD_FAILURE() << "accepted; expected: " << reason;
    } catch (const ui::SaveError& error) {
      EXPECT_NE(std::string(error.what()).find(reason), std::string::npos)
          << "refused as \"" << error.what() << "\", expected " << reason;
    }
    ASSERT_TRUE(play::describe(game) == before) << "the game changed";
  }

  Program game;
  std::string before;
  const std::string save = aSave();
};

TEST_F(BadSaves, ThatAreNoSaveOrAreCutOrChanged) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) % 256);
  struct Case {
    std::string text, reason;
  };
  const Case cases[] = {
      {"", "not a saved game"},
      {"\n", "not a saved game"},
      {"hello\n", "not a saved game"},
      {binary, "not a saved game"},
      {"gunsei-save " + binary, "not a saved game"},
      {"gunsei-save 0\n", "not a saved game"},
      {"gunsei-save -1\n", "not a saved game"},
      {"gunsei-save 2\ncheck 0\n", "newer version of the game (format 2"},
      {"gunsei-save 99999999999999999999\n", "not a saved game"},
      {"gunsei-save 1", "truncated"},
      {"gunsei-save 1\n", "truncated"},
      {save.substr(0, save.size() - 1), "truncated"},
      {save + "more\n", "truncated"},
      {std::regex_replace(save, std::regex("clock \\d+"), "clock 1"), "check does not match"},
      {std::string(ui::kSaveLimit + 1, 'a'), "too large"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    expectRefused(c.text, c.reason);
  }
}

TEST_F(BadSaves, CutAtAnyLineOrWithAnyByteFlipped) {
  for (std::size_t end = save.find('\n'); end + 1 < save.size(); end = save.find('\n', end + 1)) {
    SCOPED_TRACE("cut after byte " + std::to_string(end));
    expectRefused(save.substr(0, end + 1), "truncated");
    expectRefused(save.substr(0, end), "truncated");
  }
  for (std::size_t at = 0; at < save.size(); at += 7) {
    SCOPED_TRACE("byte " + std::to_string(at) + " flipped");
    std::string flipped = save;
    flipped[at] = static_cast<char>(flipped[at] ^ (1 << (at % 8)));
    // The header or the check line's own word and line ends, or the contents.
    const std::size_t check = save.rfind("check ");
    const bool header = at <= save.find('\n');
    const bool cut = (at + 1 >= check && at < check + 6) || at + 1 == save.size();
    expectRefused(flipped, header ? "not a saved game"
                           : cut  ? "truncated"
                                  : "check does not match");
  }
}

TEST_F(BadSaves, WithAGoodCheckButNamesOrValuesOutOfPlace) {
  const std::regex clockLine("clock (\\d+)");
  std::smatch clock;
  ASSERT_TRUE(std::regex_search(save, clock, clockLine));
  const long long now = std::stoll(clock[1]);
  struct Case {
    std::string pattern, by, reason;
  };
  const Case cases[] = {
      {"screen ma1 ", "screen zz9 ", "unknown screen: zz9"},
      {"screen da3 hidden 0\n", "screen da3 hidden 0\nscreen da3 hidden 0\n", "da3 twice"},
      {"screen ma1 shown 1", "screen ma1 open 1", "shown or hidden"},
      {"screen ma1 shown 1", "screen ma1 shown 0", "shows out of range"},
      {"screen ma1 shown 1", "screen ma1 shown -1", "shows out of range"},
      {"screen ma1 shown 1", "screen ma1 shown x", "not a number"},
      {"screen ma1 shown 1", "screen ma1 shown 1 more", "more than expected"},
      {"caption Label33 ", "caption Label99 ", "unknown widget: ma1.Label99"},
      {"caption Label33 ", "caption Label33(0) ", "unknown widget: ma1.Label33(0)"},
      {"caption w\\(0\\) ", "caption w(35) ", "unknown widget: da3.w(35)"},
      {"caption w\\(0\\) ", "caption w(00) ", "unknown widget: da3.w(00)"},
      {"caption w\\(0\\) ", "caption w(-1) ", "bad widget name"},
      {"caption w\\(0\\) ", "caption w(0 ", "bad widget name"},
      {"caption Label33 ", "caption Timer1 ", "ma1.Timer1 has no caption"},
      {"caption Label33 ", "sparkle Label33 ", "unknown item: sparkle"},
      {"caption Label33 [^\n]*", "caption Label33", "without a widget and a value"},
      {"caption Label33 ", "caption Label33 \\q", "bad escape"},
      {"caption Label33 ", "caption Label33 \\x4", "bad escape"},
      {"caption Label33 ", "caption Label33 \t", "not UTF-8 text"},
      {"caption Label33 ", "caption Label33 \xff", "not UTF-8 text"},
      {"caption Label33 ", "caption Label33 \xed\xa0\x80", "not UTF-8 text"},
      {"caption Label33 ", "fore Label33 16777216\ncaption Label33 ", "colour out of range"},
      {"caption Label33 ", "fore Label33 red\ncaption Label33 ", "not a number"},
      {"caption Label33 ", "fore Command9 255\ncaption Label33 ", "has no fore colour"},
      {"caption Label33 ", "picture Image11 da1.t(26)\ncaption Label33 ", "unknown picture"},
      {"caption Label33 ", "picture Image11 ma1.Label33\ncaption Label33 ", "unknown picture"},
      {"caption Label33 ", "picture Image11 zz.t(1)\ncaption Label33 ", "unknown picture"},
      {"caption Label33 ", "picture Image11 da1\ncaption Label33 ", "unknown picture"},
      {"caption Label33 ", "picture Label33 da1.t(1)\ncaption Label33 ", "holds no picture"},
      {"caption Label33 ", "enabled Command9 2\ncaption Label33 ", "0 or 1"},
      {"caption Label33 ", "enabled Label9 1\ncaption Label33 ", "not a button"},
      {"caption Label33 ", "visible Timer1 1\ncaption Label33 ", "is a timer"},
      {"timer Timer2 1 \\d+", "timer Timer2 1 " + std::to_string(now), "due moment"},
      {"timer Timer2 1 \\d+", "timer Timer2 1 " + std::to_string(now + 501), "due moment"},
      {"timer Timer2 1 \\d+", "timer Timer2 1", "due moment missing"},
      {"timer Timer2 1 \\d+", "timer Label33 1", "not a timer"},
      {"timer Timer2 1 (\\d+)", "timer Timer2 1 $1 7", "more than expected"},
      {"clock \\d+", "clock -1", "clock out of range"},
      {"clock \\d+", "clock 9223372034707292161", "clock out of range"},
      {"clock \\d+", "clock 99999999999999999999", "not a number"},
      {"clock \\d+", "clock +5", "not a number"},
      {"clock \\d+", "time 5", "clock expected"},
      {"ended 0", "ended 1", "an ended game has no screens"},
      {"random \\d+ fixed 21", "random 1 fixed twenty-one", "seed is not a number"},
      {"random \\d+ fixed 21", "random 1 fixed -21", "seed is not a number"},
      {"random \\d+ fixed 21", "random 1 fixed", "seed missing"},
      {"random \\d+ fixed 21", "random 1 chosen", "fixed or wall"},
      {"random \\d+", "random x", "random state is not a number"},
      {"draw [^\n]*", "draw 1", "[0, 1)"},
      {"draw [^\n]*", "draw -0.5", "draw out of range"},
      {"draw [^\n]*", "draw nan", "draw out of range"},
      {"draw [^\n]*", "draw 0x1p-3", "not a number"},
      {"game [^\n]*\n", "", "game expected"},
      {"check", "part pace 3\npace 4\ncheck", "ends inside a part"},
      {"check", "part pace 1\npace 4\npart pace 1\npace 2\ncheck", "pace twice"},
      {"check", "part pace x\ncheck", "not a number"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern + " -> " + c.by);
    expectRefused(edited(save, c.pattern, c.by), c.reason);
  }
}

// A part that holds one number under its heading.
struct NumberPart : ui::SavePart {
  int value = 0;
  std::string partName() const override { return "number"; }
  std::vector<std::string> saveLines() const override { return {std::to_string(value)}; }
  std::function<void()> readLines(const std::vector<std::string>& lines) const override {
    if (lines.empty()) return [this] { const_cast<NumberPart*>(this)->value = 0; };
    if (lines.size() != 1 || lines[0].find_first_not_of("0123456789") != std::string::npos)
      throw std::runtime_error("not one number");
    const int read = std::stoi(lines[0]);
    return [this, read] { const_cast<NumberPart*>(this)->value = read; };
  }
};

TEST_F(BadSaves, ThePartsCheckTheirOwnLines) {
  NumberPart part;
  game.addSavePart(&part);
  part.value = 41;
  const std::string withPart = ui::saveGame(game);
  EXPECT_NE(withPart.find("part number 1\n41\n"), std::string::npos);
  part.value = 7;
  expectRefused(edited(withPart, "part number 1\n41", "part number 1\nforty-one"),
                "the part number: not one number");
  EXPECT_EQ(part.value, 7);
  ui::loadGame(game, withPart);
  EXPECT_EQ(part.value, 41);
  // A file without the part gives it no lines; a part no one reads is passed over.
  ui::loadGame(game, edited(withPart, "part number 1\n41\n", "part other 1\nx\n"));
  EXPECT_EQ(part.value, 0);
  game.removeSavePart(&part);
}

TEST_F(BadSaves, FilesThatCannotBeReadOrAreHuge) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("gunsei-bad-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const auto huge = folder / "huge.save";
  std::ofstream(huge) << save;
  std::filesystem::resize_file(huge, 100 * 1024 * 1024);  // sparse: no 100 MB written
  struct Case {
    std::filesystem::path path;
    std::string reason;
  };
  for (const Case& c : {Case{huge, "too large"}, Case{folder / "absent.save", "cannot be read"},
                        Case{folder, "cannot be read"}}) {
    SCOPED_TRACE(c.path.string());
    try {
      ui::loadGameFile(game, c.path.string());
      ADD_FAILURE() << "accepted";
    } catch (const ui::SaveError& error) {
      EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos) << error.what();
    }
    EXPECT_TRUE(play::describe(game) == before) << "the game changed";
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
