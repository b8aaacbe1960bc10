// SPDX-License-Identifier: GPL-3.0-or-later
// The record of a game against the tables it watches: a seeded game of ten
// years, looked at by the test after every step, and the record's saved
// lines read back.

#include "chronicle/record.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "screens/program.h"
#include "ui/convert.h"

namespace {

using chronicle::Event;

// A player who ends most steps at once, sometimes invests, and fights every
// battle with random commands, so the computer's nations make the history.
class Game {
 public:
  explicit Game(unsigned seed, const char* nation = "25") : pick_(seed) {
    program.seed(seed);
    program.run([this] { program.start(); });
    program.click(program.op1().Image1);
    program.op2().Label2.setCaption(nation);
    program.click(program.op2().Command3);
  }

  // 100 ms of the game, then the player's answer if something waits for it.
  void step() {
    program.advance(100);
    if (program.ended()) return;
    if (program.ma2.shown()) {
      // Never a retreat: from the nation's only territory it ends the game.
      static const char* const commands[] = {"Command1",  "Command2",  "Command3",  "Command4",
                                             "Command11", "Command12", "Command13", "Command14"};
      click(program.ma2, commands[pick_() % 8]);
      return;
    }
    MainScreen& ma1 = program.ma1();
    if (program.ma5.shown() || ma1.Timer1.enabled() || ma1.Timer2.enabled()) return;
    if (pick_() % 4 == 0) {
      click(program.ma1, "Command1");  // commerce, when the funds allow it
      click(program.kin, "Command1");
      click(program.kin, "Command8");
    }
    if (program.kin.shown()) program.closeBox(*program.kin.get());
    click(program.ma1, "Command9");
  }

  int months() const { return static_cast<int>(program.record.months().size()); }
  std::array<int, 35> rulers() const {
    std::array<int, 35> rulers{};
    for (int i = 0; i < 35; ++i)
      rulers[i] = static_cast<int>(ui::Val(program.da2.get()->m(i).caption()));
    return rulers;
  }
  chronicle::Date date() const {
    const MainScreen& ma1 = *program.ma1.get();
    return {static_cast<int>(ui::Val(ma1.Label10.caption())),
            static_cast<int>(ui::Val(ma1.Label13.caption()))};
  }

  Program program;

 private:
  void click(ui::SlotBase& slot, const char* name) {
    if (!slot.shown()) return;
    if (ui::Widget* widget = slot.loadedScreen()->find(name)) {
      program.click(*widget);
      afterClick();
    }
  }

 public:
  // What the test itself saw on the status line after every step and click.
  std::function<void()> afterClick = [] {};

 private:
  std::mt19937 pick_;
};

std::vector<Event> eventsOf(const Program& program, Event::Kind kind) {
  std::vector<Event> found;
  for (const Event& e : program.record.events())
    if (e.kind == kind) found.push_back(e);
  return found;
}

bool banner(const std::string& status) {
  static const std::regex banners("あなたのターンです|.*イベントターン中･･･|.*コマンドターン中･･･");
  return std::regex_match(status, banners);
}

// Ten seeded years, watched by the test after every step.
TEST(Record, TenYearsOfAGameAgreeWithTheTables) {
  Game game(3);
  struct Change {
    int territory, from, to;
    chronicle::Date date;
  };
  std::vector<Change> changes;
  std::vector<std::pair<chronicle::Date, std::string>> messages;
  std::string status = game.program.ma1().Label33.caption();
  chronicle::Date calendar = game.date();
  const auto lookAtStatus = [&] {
    const std::string now = game.program.ma1.get()->Label33.caption();
    const chronicle::Date date = game.date();
    const bool closed = !(date == calendar);
    if (now != status && !banner(now) && !closed) messages.emplace_back(date, now);
    status = now;
    calendar = date;
  };
  game.afterClick = lookAtStatus;
  game.program.advance(600);
  std::array<int, 35> rulers = game.rulers();
  int closedBefore = 0;

  while (game.months() < 120) {
    const chronicle::Date before = game.date();
    game.step();
    ASSERT_FALSE(game.program.ended()) << "the player's nation fell; choose another seed";
    lookAtStatus();
    const std::array<int, 35> now = game.rulers();
    for (int i = 0; i < 35; ++i)
      if (now[i] != rulers[i]) changes.push_back({i, rulers[i], now[i], game.date()});
    rulers = now;
    if (game.months() == closedBefore) continue;

    // The month that closed holds the rulers of its close, and its own date.
    ASSERT_EQ(game.months(), closedBefore + 1);
    closedBefore = game.months();
    const chronicle::Month& month = game.program.record.months().back();
    EXPECT_EQ(month.date, before);
    std::array<int, 26> held{};
    for (int ruler : now) ++held[ruler];
    int sum = 0;
    for (int j = 0; j < 26; ++j) {
      EXPECT_EQ(month.territories[j], held[j])
          << "nation " << j << " in " << before.year << "/" << before.month;
      sum += month.territories[j];
    }
    EXPECT_EQ(sum, 35);
  }
  EXPECT_EQ(game.program.record.months().front().date, (chronicle::Date{1230, 11}));

  // Every change of ruler, once, in order, with the month it happened in.
  const std::vector<Event> recorded = eventsOf(game.program, Event::Kind::Change);
  ASSERT_EQ(recorded.size(), changes.size());
  ASSERT_GT(changes.size(), 5u) << "a history with hardly a war tells little";
  for (std::size_t n = 0; n < changes.size(); ++n) {
    EXPECT_EQ(recorded[n].to, changes[n].territory);
    EXPECT_EQ(recorded[n].other, changes[n].from);
    EXPECT_EQ(recorded[n].nation, changes[n].to);
    EXPECT_EQ(recorded[n].date, changes[n].date);
  }

  // Every fall follows an attack that took its target, of the same month.
  const std::vector<Event>& events = game.program.record.events();
  int attacks = 0, fell = 0;
  for (std::size_t n = 0; n < events.size(); ++n) {
    if (events[n].kind != Event::Kind::Change) {
      attacks += events[n].kind == Event::Kind::Attack;
      fell += events[n].kind == Event::Kind::Attack && events[n].fell;
      continue;
    }
    ASSERT_GT(n, 0u);
    const Event& attack = events[n - 1];
    EXPECT_EQ(attack.kind, Event::Kind::Attack);
    EXPECT_TRUE(attack.fell);
    EXPECT_EQ(attack.to, events[n].to);
    EXPECT_EQ(attack.other, events[n].other);
    EXPECT_EQ(attack.date, events[n].date);
    EXPECT_GT(attack.soldiers, 0);
  }
  EXPECT_EQ(fell, static_cast<int>(changes.size()));
  EXPECT_GT(attacks, fell) << "some attacks were held";

  // A nation that lost its last territory fell once, at that change.
  for (const Event& fall : eventsOf(game.program, Event::Kind::Fall)) {
    int lastChange = -1;
    for (std::size_t n = 0; n < changes.size(); ++n)
      if (changes[n].from == fall.nation) lastChange = static_cast<int>(n);
    ASSERT_GE(lastChange, 0);
    EXPECT_EQ(changes[lastChange].date, fall.date);
  }
  for (int j = 0; j < 26; ++j) {
    const bool rules = std::find(rulers.begin(), rulers.end(), j) != rulers.end();
    int falls = 0;
    for (const Event& fall : eventsOf(game.program, Event::Kind::Fall)) falls += fall.nation == j;
    EXPECT_LE(falls, 1) << "nation " << j;
    if (!rules) {
      EXPECT_EQ(falls, 1) << "nation " << j;
    }
  }

  // The player's messages are the status line's, in order, with their dates.
  const std::vector<Event> said = eventsOf(game.program, Event::Kind::Message);
  ASSERT_EQ(said.size(), messages.size());
  ASSERT_FALSE(messages.empty());
  for (std::size_t n = 0; n < messages.size(); ++n) {
    EXPECT_EQ(said[n].text, messages[n].second);
    EXPECT_EQ(said[n].date, messages[n].first);
    EXPECT_EQ(said[n].nation, 25);
  }
}

// The game as the record's lines leave it: a resumed game would read them
// into a record watching the game restored at the same moment.
struct Played {
  Game game{7};
  explicit Played(int months) {
    while (game.months() < months) game.step();
  }
  std::vector<std::string> lines() const { return game.program.record.saveLines(); }
};

TEST(Record, ItsSavedLinesReadBackToTheSameRecord) {
  Played played(24);
  const std::vector<std::string> lines = played.lines();
  Program other;
  other.record.readLines(lines)();
  EXPECT_EQ(other.record.months().size(), played.game.program.record.months().size());
  EXPECT_EQ(other.record.events(), played.game.program.record.events());
  for (std::size_t n = 0; n < other.record.months().size(); ++n) {
    EXPECT_EQ(other.record.months()[n].date, played.game.program.record.months()[n].date);
    EXPECT_EQ(other.record.months()[n].territories,
              played.game.program.record.months()[n].territories);
  }
  EXPECT_EQ(other.record.saveLines(), lines);
}

TEST(Record, AMessageKeepsItsBlanksAndAnEmptyOneReadsBack) {
  Program program;
  const std::vector<std::string> lines = {"message 1231 2 9 商業価値が 10 上がりました ",
                                          "message 1231 3 9 "};
  program.record.readLines(lines)();
  ASSERT_EQ(program.record.events().size(), 2u);
  EXPECT_EQ(program.record.events()[0].text, "商業価値が 10 上がりました ");
  EXPECT_EQ(program.record.events()[1].text, "");
  EXPECT_EQ(program.record.saveLines(), lines);
}

TEST(Record, BadLinesAreRefusedNamingTheLineAndNothingChanges) {
  Played played(2);
  const std::string month = "month 1230 11 1 1 2 1 1 1 2 2 1 1 1 1 1 2 1 1 1 2 2 1 2 2 2 1 1 1";
  const struct {
    const char* line;
    const char* says;
  } cases[] = {
      {"month 1230 11 1 1", "expected 28 values"},
      {"month 1230 11 36 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", "from 0 to 35"},
      {"month 1230 11 9 9 9 9 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", "more than 35"},
      {"month 1230 x 1 1 2 1 1 1 2 2 1 1 1 1 1 2 1 1 1 2 2 1 2 2 2 1 1 1", "\"x\""},
      {"attack 1230 11 11 5 8 4 120 won", "\"fell\" or \"held\""},
      {"attack 1230 11 35 5 8 4 120 fell", "from 0 to 34"},
      {"attack 1230 11 11 5 26 4 120 fell", "from -1 to 25"},
      {"attack 1230 11 11 5 8 4 -3 fell", "-3"},
      {"change 1230 11 5 4", "expected 5 values"},
      {"fall 1230 11 99999999999999999999", "99999999999999999999"},
      {"fall 1230 11 ", "\"\""},
      {"message 1230 11", "no nation"},
      {"battle 1230 11 4", "unknown entry \"battle\""},
      {"", "unknown entry \"\""},
  };
  const std::vector<Event> events = played.game.program.record.events();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    try {
      (void)played.game.program.record.readLines({month, c.line});
      ADD_FAILURE() << "read";
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find("record, line 2: "), std::string::npos)
          << error.what();
      EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
    }
    EXPECT_EQ(played.game.program.record.events(), events);
    EXPECT_EQ(played.game.program.record.months().size(), 2u);
  }
  // The sound line alone reads.
  EXPECT_NO_THROW((void)played.game.program.record.readLines({month}));
}

// A game resumed from a save: the same game played by a program whose record
// has watched nothing, until the saved record is read into it. From there on
// it records exactly what the record of the game that went on records.
TEST(Record, AResumedRecordCarriesOnFromTheRestoredGame) {
  for (const bool duringASiege : {false, true}) {
    SCOPED_TRACE(duringASiege ? "during a siege" : "between events");
    Game saved(7), resumed(7);
    resumed.program.setAfterEvent(nullptr);
    const auto at = [&](Game& game) {
      return game.months() >= 3 && (!duringASiege || game.program.ma5.shown());
    };
    while (!at(saved)) saved.step();
    while (resumed.program.now() < saved.program.now()) resumed.step();
    ASSERT_EQ(resumed.program.now(), saved.program.now());
    ASSERT_TRUE(resumed.program.record.events().empty());

    resumed.program.record.readLines(saved.program.record.saveLines())();
    resumed.program.setAfterEvent([&resumed] { resumed.program.record.observe(); });
    const std::size_t attacks = eventsOf(saved.program, Event::Kind::Attack).size();
    while (saved.months() < 6) {
      saved.step();
      resumed.step();
    }
    EXPECT_EQ(resumed.program.record.events(), saved.program.record.events());
    EXPECT_EQ(resumed.program.record.saveLines(), saved.program.record.saveLines());
    EXPECT_GT(eventsOf(saved.program, Event::Kind::Attack).size(), attacks);
  }
}

TEST(Record, EventsTellWhatHappenedInTheGamesWords) {
  const struct {
    Event event;
    const char* text;
  } cases[] = {
      {{.kind = Event::Kind::Attack,
        .from = 11,
        .to = 5,
        .nation = 8,
        .other = 4,
        .soldiers = 120,
        .fell = true},
       "ルーヴェン帝国のルーヴェン城がエドワード独立連邦のエドワード港に攻め込んだ（兵士120）：落"
       "城"},
      {{.kind = Event::Kind::Attack, .from = 0, .to = 1, .nation = 0, .other = 1, .soldiers = 7},
       "グラドウェン騎士団のグラドウェン防壁がサン盗賊団のサン・スー地域に攻め込んだ（兵士7）：撃"
       "退"},
      {{.kind = Event::Kind::Change, .to = 5, .nation = 8, .other = 4},
       "エドワード港がエドワード独立連邦からルーヴェン帝国の手に渡った"},
      {{.kind = Event::Kind::Change, .to = 5, .nation = 8, .other = -1},
       "エドワード港が（不明）からルーヴェン帝国の手に渡った"},
      {{.kind = Event::Kind::Fall, .nation = 4}, "エドワード独立連邦は最後の領土を失い滅亡した"},
      {{.kind = Event::Kind::Message, .nation = 9, .text = "金120を町より略奪しました"},
       "金120を町より略奪しました"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.event.describe(), c.text);
}

}  // namespace
