// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/battle/battle_screen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/program.h"
#include "support/main_screen_steps.h"

namespace {

using support::commands;
using support::states;

// A draw whose Int(Rnd × n) is v.
float pick(int v, int n) { return (static_cast<float>(v) + 0.5f) / static_cast<float>(n); }
// A draw whose Int(Rnd × 3) + 1 is r.
float line(int r) { return pick(r - 1, 3); }

// A battle between カイ武装団 (nation 9, the player) on ルーブエン街道 (12) and
// ルーヴェン帝国 (nation 8) on ルーヴェン城 (11). In an attack battle the
// player attacks 11 from 12; in a defence battle nation 8 attacks 12 from 11.
struct Battle {
  explicit Battle(bool attack) : attack(attack) {
    program.seed(1);
    // The game stands still while a battle runs.
    ma1.Timer1.setEnabled(false);
    ma1.mm.setCaption("9");
    // The battle comes in the command phase of the territory's step.
    ma1.count2.setCaption("2");
    if (attack) {
      ma1.Label34.setCaption("1");
      ma1.count1.setCaption("12");
      program.ma3().Label10.setCaption("11");
      AttackConfirmation& ma4 = program.ma4();
      ma4.Label10.setCaption("100");  // soldiers sent
      ma4.Label12.setCaption("200");  // armament sent
      ma4.Label6.setCaption("190");   // the target's soldiers
      ma4.Label7.setCaption("120");   // the target's armament
      ma4.Label8.setCaption("20");    // the target's castle
    } else {
      ma1.Label34.setCaption("2");
      ma1.count1.setCaption("11");
      ma1.ai.setCaption("12");
      ma1.t.setCaption("150");
      ma1.Label35.setCaption("90");
    }
  }

  void open() { program.ma2.show(); }
  // Opens the battle and lets the opening dialogue run to its end.
  void openAndWait() {
    open();
    for (int i = 0; i < 6; ++i) program.random().queue(line(1));
    program.advance(12000);
  }
  // The five battle values: attacker's soldiers and armament, defender's
  // soldiers and armament, castle.
  void set(const char* l7, const char* l8, const char* l10, const char* l11, const char* l22) {
    ma2().Label7.setCaption(l7);
    ma2().Label8.setCaption(l8);
    ma2().Label10.setCaption(l10);
    ma2().Label11.setCaption(l11);
    ma2().Label22.setCaption(l22);
  }
  std::vector<std::string> values() {
    return {ma2().Label7.caption(), ma2().Label8.caption(), ma2().Label10.caption(),
            ma2().Label11.caption(), ma2().Label22.caption()};
  }
  void queue(const std::vector<float>& draws) {
    for (float draw : draws) program.random().queue(draw);
  }
  std::vector<ui::Button*> attackerRow() {
    return {&ma2().Command1, &ma2().Command2, &ma2().Command3, &ma2().Command4, &ma2().Command5};
  }
  std::vector<ui::Button*> defenderRow() {
    return {&ma2().Command11, &ma2().Command12, &ma2().Command13, &ma2().Command14,
            &ma2().Command15};
  }
  std::vector<ui::Button*> playerRow() { return attack ? attackerRow() : defenderRow(); }
  // Command n (1 to 5) of the player's row.
  ui::Button& command(int n) { return *playerRow()[static_cast<std::size_t>(n - 1)]; }
  // A normal attack answered by the reply in which each side loses one soldier.
  void quietTurn() {
    queue({line(1), line(1), line(1), pick(0, 30), pick(0, 100)});
    queue({line(1), line(1), line(1), pick(0, 30), pick(0, 100)});
    program.click(command(1));
    program.advance(6000);
  }

  BattleScreen& ma2() { return program.ma2(); }

  bool attack;
  Program program;
  MainScreen& ma1 = program.ma1();
};

TEST(BattleSetup, AttackBattleTakesTheForceFromTheConfirmation) {
  Battle battle(true);
  battle.open();
  BattleScreen& ma2 = battle.ma2();
  NationData& da1 = battle.program.da1();
  EXPECT_EQ(ma2.Label9.caption(), "カイ武装団");
  EXPECT_EQ(ma2.Label12.caption(), "ルーヴェン帝国");
  EXPECT_EQ(ma2.Image1.picture(), da1.t(9).picture());
  EXPECT_EQ(ma2.Image2.picture(), da1.t(8).picture());
  EXPECT_EQ(ma2.Label13.caption(), "ルーヴェン城");
  EXPECT_EQ(battle.values(), (std::vector<std::string>{"100", "200", "190", "120", "20"}));
  EXPECT_EQ(ma2.Label17.caption(), "第1ターン");
  EXPECT_EQ(states(battle.attackerRow()) + states(battle.defenderRow()), "0000000000");
  EXPECT_TRUE(ma2.Timer1.enabled());
  // Opening a battle changes nothing in the tables.
  EXPECT_EQ(battle.program.da3().f(11).caption(), "190");
}

TEST(BattleSetup, DefenceBattleTakesTheForceFromTheComputerTurn) {
  Battle battle(false);
  battle.open();
  BattleScreen& ma2 = battle.ma2();
  NationData& da1 = battle.program.da1();
  EXPECT_EQ(ma2.Label9.caption(), "ルーヴェン帝国");
  EXPECT_EQ(ma2.Label12.caption(), "カイ武装団");
  EXPECT_EQ(ma2.Image1.picture(), da1.t(8).picture());
  EXPECT_EQ(ma2.Image2.picture(), da1.t(9).picture());
  EXPECT_EQ(ma2.Label13.caption(), "ルーブエン街道");
  // Territory 12 holds 140 soldiers, armament 80 and castle 10.
  EXPECT_EQ(battle.values(), (std::vector<std::string>{"150", "90", "140", "80", "10"}));
}

TEST(BattleSetup, ForceCaptionsAreReadAsNumbers) {
  struct Case {
    const char* sent;
    const char* shown;
  };
  for (const Case& c : {Case{"", "0"}, Case{"abc", "0"}, Case{"12x", "12"}, Case{" 7 5", "75"},
                        Case{"2.5", "2.5"}}) {
    SCOPED_TRACE(c.sent);
    Battle attack(true);
    attack.program.ma4().Label10.setCaption(c.sent);
    attack.program.ma4().Label12.setCaption(c.sent);
    attack.open();
    EXPECT_EQ(attack.ma2().Label7.caption(), c.shown);
    EXPECT_EQ(attack.ma2().Label8.caption(), c.shown);

    Battle defence(false);
    defence.ma1.t.setCaption(c.sent);
    defence.ma1.Label35.setCaption(c.sent);
    defence.open();
    EXPECT_EQ(defence.ma2().Label7.caption(), c.shown);
    EXPECT_EQ(defence.ma2().Label8.caption(), c.shown);
  }
}

TEST(BattleSetup, HandOffsThatNameNoTerritoryLeaveTheTablesAlone) {
  Battle battle(true);
  battle.program.ma3().Label10.setCaption("99");
  battle.ma1.count1.setCaption("-5");
  battle.open();
  EXPECT_EQ(battle.ma2().Label9.caption(), "");
  EXPECT_EQ(battle.ma2().Label13.caption(), "");
  // The attacker wins and the battle ends, writing nowhere.
  battle.program.advance(12000);
  battle.set("100", "200", "0", "0", "0");
  battle.queue({line(1), line(1), line(1), pick(0, 30), pick(50, 100)});
  battle.queue({line(1), line(1), line(1), line(1)});
  battle.program.click(battle.ma2().Command1);
  battle.program.advance(3000 + 8000);
  EXPECT_FALSE(battle.program.ma2.loaded());
  EXPECT_EQ(battle.program.da2().m(11).caption(), "8");
}

TEST(BattleOpening, TheCommandersSpeakByTheDraw) {
  struct Case {
    int r;
    const char* challenge;
    const char* rally;
    const char* answer;
    const char* defence;
  };
  const Case cases[] = {
      {1, "ルーヴェン帝国を倒してくれる", "蹴散らしてくれるわ！", "カイ武装団が攻めてきたぞ",
       "返り討ちにしてくれる"},
      {2, "ルーヴェン帝国めが！", "うりゃー", "くっ、カイ武装団どもめ",
       "我が国を狙ったことを後悔させてくれる"},
      {3, "ルーヴェン帝国と遭遇したぞ", "ものども続け！！", "カイ武装団め、なぜ我が国を狙う",
       "攻めろ！攻めまくれ"},
      {4, "ルーヴェン帝国か！？", "ついにこの日がやってきた",
       "カイ武装団！我が国を狙うとはおろかな", "守りを固めよ"},
      {5, "ルーヴェン帝国･･･", "ものども勝利を我が手に･･･", "カイ武装団・・・・",
       "われらの底力、見せてやれ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.r);
    Battle battle(true);
    battle.open();
    BattleScreen& ma2 = battle.ma2();
    for (int i = 0; i < 4; ++i) battle.program.random().queue(pick(c.r - 1, 5));
    battle.program.advance(1999);
    EXPECT_EQ(ma2.Label18.caption(), "");
    battle.program.advance(1);
    EXPECT_EQ(ma2.Label18.caption(), c.challenge);
    battle.program.advance(2000);
    EXPECT_EQ(ma2.Label18.caption(), c.rally);
    EXPECT_EQ(ma2.Label21.caption(), "");
    battle.program.advance(2000);
    EXPECT_EQ(ma2.Label21.caption(), c.answer);
    battle.program.advance(2000);
    EXPECT_EQ(ma2.Label21.caption(), c.defence);
    EXPECT_EQ(ma2.Label18.caption(), c.rally);
    EXPECT_EQ(states(battle.attackerRow()), "00000");
  }
}

TEST(BattleOpening, TheFifthStepOpensThePlayersRowWithoutChargeBelowFiftyArmament) {
  struct Case {
    bool attack;
    const char* armament;
    const char* attackerRow;
    const char* defenderRow;
  };
  const Case cases[] = {
      {true, "50", "11111", "00000"},
      {true, "49", "10111", "00000"},
      {false, "50", "00000", "11111"},
      {false, "49", "00000", "10111"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.attack ? "attack " : "defence ") + c.armament);
    Battle battle(c.attack);
    battle.open();
    // The player's own armament: the attacker's in an attack battle.
    (c.attack ? battle.ma2().Label8 : battle.ma2().Label11).setCaption(c.armament);
    // The castle counts for nothing in the first battle turn.
    battle.ma2().Label22.setCaption("0");
    battle.program.advance(9999);
    EXPECT_EQ(states(battle.attackerRow()) + states(battle.defenderRow()), "0000000000");
    battle.program.advance(1);
    EXPECT_EQ(states(battle.attackerRow()), c.attackerRow);
    EXPECT_EQ(states(battle.defenderRow()), c.defenderRow);
    EXPECT_TRUE(battle.ma2().Timer1.enabled());
    battle.program.advance(2000);
    EXPECT_FALSE(battle.ma2().Timer1.enabled());
  }
}

TEST(BattleOpening, ACommandBeforeTheDialogueEndsDoesNotReopenTheRowMidTurn) {
  Battle battle(true);
  battle.open();
  battle.program.advance(10000);
  ASSERT_EQ(states(battle.attackerRow()), "11111");
  battle.set("100", "200", "190", "120", "20");
  battle.queue({line(1), line(1), line(1), pick(0, 30), pick(0, 100)});
  battle.queue({line(1), line(1), line(1), pick(0, 30), pick(0, 100)});
  battle.program.click(battle.ma2().Command1);
  EXPECT_FALSE(battle.ma2().Timer1.enabled());
  for (int ms = 0; ms < 5000; ms += 1000) {
    battle.program.advance(1000);
    EXPECT_EQ(states(battle.attackerRow()), "00000") << ms;
  }
  battle.program.advance(1000);
  EXPECT_EQ(states(battle.attackerRow()), "11111");
  EXPECT_EQ(battle.ma2().Label17.caption(), "第2ターン");
}

// One battle turn: the player's command and the computer's normal attack.
struct TurnCase {
  const char* name;
  bool attack;
  int command;  // 1 to 5 of the player's row
  std::vector<std::string> before;
  std::vector<float> action;  // the draws of the action's phases
  std::vector<std::string> afterAction;
  std::vector<float> reply;
  std::vector<std::string> afterReply;
  const char* ownSpeech;  // last line of the player's commander after the action
  const char* enemySpeech;
  bool wipedOut = false;  // the reply ends the battle
};

// The reply in which the player's side loses Int(a) = 1 and the enemy 1.
const std::vector<float> kMildReply = {line(1), line(1), line(1), pick(0, 30), pick(0, 100)};

TEST(BattleTurns, CommandsAndRepliesChangeTheBattleValues) {
  const TurnCase cases[] = {
      // Against armament 0 and castle 50 the defender's shield is 50:
      // 100 / 50 × 30 + 1 = 61 losses.
      {"normal attack",
       true,
       1,
       {"100", "100", "200", "0", "50"},
       {line(2), line(3), line(1), pick(9, 30), pick(30, 100)},
       {"90", "100", "139", "0", "50"},
       // The defender's 0 armament against 100: 0 × 99 + 1.
       {line(1), line(1), line(1), pick(4, 30), pick(99, 100)},
       {"89", "100", "134", "0", "50"},
       "うりゃー",
       "うお～･･"},
      // The defender strikes back with 120 against 200: 120 / 200 × 99 + 1 = 60.
      {"reply of the defender",
       true,
       1,
       {"100", "200", "300", "120", "0"},
       {line(1), line(1), line(1), pick(0, 30), pick(0, 100)},
       {"99", "200", "299", "120", "0"},
       {line(1), line(1), line(1), pick(29, 30), pick(99, 100)},
       {"39", "200", "269", "120", "0"},
       "我が力見せてくれる",
       "来るならこい"},
      // 46 / 50 × 40 + 1 = 37.8: twice 37 lost; the armament pays 10 - 1.
      {"charge",
       true,
       2,
       {"100", "46", "200", "0", "50"},
       {line(1), line(2), line(3), pick(0, 30), pick(40, 100), pick(10, 50)},
       {"99", "37", "126", "0", "50"},
       kMildReply,
       {"98", "37", "125", "0", "50"},
       "ものどもおまえらの命私に預けよ！",
       "敵は命懸けだぞ･･･背水の陣で望め･･･"},
      {"charge that spends more armament than there is",
       false,
       2,
       {"300", "200", "100", "20", "0"},
       {line(3), line(2), line(1), pick(0, 30), pick(0, 100), pick(49, 50)},
       {"298", "200", "99", "1", "0"},
       kMildReply,
       {"297", "200", "98", "1", "0"},
       "････突撃。",
       "敵は命懸けだぞ･･･背水の陣で望め･･･"},
      // k = 30 against an enemy of 10: the enemy keeps one soldier.
      {"subversion",
       true,
       3,
       {"100", "100", "10", "100", "0"},
       {line(1), pick(29, 50), line(1), pick(29, 50), line(1), pick(29, 50), line(1), pick(29, 50)},
       {"130", "100", "1", "100", "0"},
       kMildReply,
       {"129", "100", "0", "100", "0"},
       "ははっ",
       "裏切りか？"},
      {"subversion by the defender",
       false,
       3,
       {"100", "100", "10", "100", "0"},
       {line(1), pick(0, 50), line(1), pick(0, 50), line(1), pick(19, 50), line(1), pick(0, 50)},
       {"80", "100", "30", "100", "0"},
       kMildReply,
       {"79", "100", "29", "100", "0"},
       "ははっ",
       "裏切りか？"},
      // r = 1 only costs soldiers; the soldiers are floored at 0.
      {"castle destruction seen through",
       true,
       4,
       {"10", "100", "200", "100", "40"},
       {line(1), line(1), pick(15, 20), line(1)},
       {"0", "100", "200", "100", "40"},
       {line(1), line(1), line(1), pick(0, 30), pick(0, 100)},
       {"0", "100", "199", "100", "40"},
       "敵の守りを打ち崩せ",
       "ふふふっ甘いな、計略見破ったり･･･",
       true},
      // r = 2 and a castle of 40: a draw of 80 leaves nothing.
      {"castle destruction through the gate",
       true,
       4,
       {"100", "100", "200", "100", "40"},
       {line(2), line(2), pick(5, 20), pick(80, 100), line(1)},
       {"96", "100", "200", "100", "0"},
       kMildReply,
       {"95", "100", "199", "100", "0"},
       "この門を崩すのだ",
       "くっ、しまった･･･門を開かれた"},
      // ... and a draw of 0 even raises it by one.
      {"castle destruction that gains nothing",
       true,
       4,
       {"100", "100", "200", "100", "40"},
       {line(3), line(2), pick(0, 20), pick(0, 100), line(1)},
       {"101", "100", "200", "100", "41"},
       kMildReply,
       {"100", "100", "199", "100", "41"},
       "城さえ壊せばこちらのものだ…",
       "くっ、しまった･･･門を開かれた"},
      {"castle destruction with little damage",
       true,
       4,
       {"100", "100", "200", "100", "40"},
       {line(1), line(3), pick(0, 20), pick(45, 50), line(1)},
       {"101", "100", "200", "100", "0"},
       kMildReply,
       {"100", "100", "199", "100", "0"},
       "敵の守りを打ち崩せ",
       "何とか被害を最小限に"},
      // The attacker's armament is floored at 1.
      {"armament attack on the armour",
       false,
       4,
       {"100", "60", "200", "100", "40"},
       {line(2), line(2), pick(3, 20), pick(90, 100), line(1)},
       {"100", "1", "198", "100", "40"},
       kMildReply,
       {"99", "1", "197", "100", "40"},
       "敵の武装を破壊せよ",
       "くっ、私の鎧はどこにあるのだ？？"},
      {"armament attack on the store",
       false,
       4,
       {"100", "60", "200", "100", "40"},
       {line(1), line(3), pick(0, 20), pick(20, 50), line(1)},
       {"100", "41", "201", "100", "40"},
       kMildReply,
       {"99", "41", "200", "100", "40"},
       "よ～し",
       "ぶっ、武装庫が燃えている"},
      // The attacker's commander gives the raid away and sees through it;
      // the raid costs the defenders every soldier, and the reply wipes them out.
      {"armament attack seen through",
       false,
       4,
       {"100", "60", "10", "100", "40"},
       {line(3), line(1), pick(15, 20), line(1)},
       {"100", "60", "0", "100", "40"},
       kMildReply,
       {"99", "60", "0", "100", "40"},
       "返り討ちにしてくれる",
       "ふふふっ甘いな、計略見破ったり･･･",
       true},
  };
  for (const TurnCase& c : cases) {
    SCOPED_TRACE(c.name);
    Battle battle(c.attack);
    battle.openAndWait();
    BattleScreen& ma2 = battle.ma2();
    battle.set(c.before[0].c_str(), c.before[1].c_str(), c.before[2].c_str(), c.before[3].c_str(),
               c.before[4].c_str());
    battle.queue(c.action);
    battle.queue(c.reply);
    battle.program.click(battle.command(c.command));
    // Subversion speaks, acts and hands over in four phases, the others in three.
    const int phases = c.command == 3 ? 4 : 3;
    battle.program.advance(1000 * phases);
    EXPECT_EQ(battle.values(), c.afterAction);
    ui::Label& own = c.attack ? ma2.Label18 : ma2.Label21;
    ui::Label& enemy = c.attack ? ma2.Label21 : ma2.Label18;
    EXPECT_EQ(own.caption(), c.ownSpeech);
    EXPECT_EQ(enemy.caption(), c.enemySpeech);
    EXPECT_EQ(states(battle.playerRow()), "00000");
    battle.program.advance(3000);
    EXPECT_EQ(battle.values(), c.afterReply);
    // Brought to 0 by its own command, the player's side falls in the reply.
    EXPECT_EQ((c.attack ? ma2.Timer3 : ma2.Timer7).enabled(), c.wipedOut);
    EXPECT_EQ(ma2.Label17.caption(), c.wipedOut ? "第1ターン" : "第2ターン");
    EXPECT_EQ(ma2.Label27.caption(), c.wipedOut ? "1" : "2");
  }
}

TEST(BattleTurns, TheReplySpeaksTheNormalAttackLines) {
  struct Case {
    bool attack;
    int r1, r2;
    const char* computer;  // the computer commander's call
    const char* player;    // the player's commander's answer
  };
  for (const Case& c : {Case{true, 1, 2, "我が力見せてくれる", "みな、守り切れ！"},
                        Case{false, 3, 3, "いくぞ！！", "うお～･･"}}) {
    Battle battle(c.attack);
    battle.openAndWait();
    battle.set("100", "100", "100", "100", "0");
    battle.queue({line(1), line(1), line(1), pick(0, 30), pick(0, 100)});
    battle.queue({line(c.r1), line(c.r2), line(1), pick(0, 30), pick(0, 100)});
    battle.program.click(battle.command(1));
    battle.program.advance(5000);
    BattleScreen& ma2 = battle.ma2();
    EXPECT_EQ((c.attack ? ma2.Label21 : ma2.Label18).caption(), c.computer);
    EXPECT_EQ((c.attack ? ma2.Label18 : ma2.Label21).caption(), c.player);
  }
}

TEST(BattleTurns, OnlySoldiersBelowNoneEndTheBattleAndTheAttackerIsJudgedFirst) {
  struct Case {
    const char* name;
    std::vector<std::string> before;
    std::vector<float> action;
    std::vector<std::string> after;
    bool ends;
  };
  const Case cases[] = {
      {"both below none: only the attacker is raised to 0",
       {"0", "100", "0", "100", "0"},
       {line(1), line(1), line(1), pick(0, 30), pick(0, 100)},
       {"0", "100", "-1", "100", "0"},
       true},
      {"the defender below none",
       {"50", "100", "5", "100", "0"},
       {line(1), line(1), line(1), pick(0, 30), pick(99, 100)},
       {"49", "100", "0", "100", "0"},
       true},
      {"the attacker at exactly 0 fights on",
       {"1", "100", "5", "100", "0"},
       {line(1), line(1), line(1), pick(0, 30), pick(0, 100)},
       {"0", "100", "4", "100", "0"},
       false},
      // Nothing shields the defender: its loss stays finite.
      {"a defender without armament and castle",
       {"50", "100", "500", "0", "0"},
       {line(1), line(1), line(1), pick(0, 30), pick(2, 100)},
       {"49", "100", "299", "0", "0"},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Battle battle(true);
    battle.openAndWait();
    BattleScreen& ma2 = battle.ma2();
    battle.set(c.before[0].c_str(), c.before[1].c_str(), c.before[2].c_str(), c.before[3].c_str(),
               c.before[4].c_str());
    battle.queue(c.action);
    battle.program.click(ma2.Command1);
    battle.program.advance(3000);
    EXPECT_EQ(battle.values(), c.after);
    EXPECT_FALSE(ma2.Timer2.enabled());
    EXPECT_EQ(ma2.Timer3.enabled(), c.ends);
    EXPECT_EQ(ma2.Timer4.enabled(), !c.ends);
  }
}

TEST(BattleTurns, TheDefenderActingAgainstNoArmamentLosesNoInfiniteCount) {
  Battle battle(false);
  battle.openAndWait();
  battle.set("500", "0", "100", "100", "0");
  battle.queue({line(1), line(1), line(1), pick(0, 30), pick(2, 100)});
  battle.program.click(battle.ma2().Command11);
  battle.program.advance(3000);
  // 100 / 1 × 2 + 1.
  EXPECT_EQ(battle.ma2().Label7.caption(), "299");
  EXPECT_TRUE(battle.ma2().Timer6.enabled());
}

TEST(BattleCommands, TheEndOfATurnReopensTheRowByTheFourTests) {
  struct Case {
    const char* name;
    bool attack;
    std::vector<std::string> before;  // each side loses 2 soldiers in the turn
    const char* row;
  };
  const Case cases[] = {
      {"all open", true, {"12", "50", "100", "100", "1"}, "11111"},
      {"armament 49: no charge", true, {"100", "49", "100", "100", "1"}, "10111"},
      {"9 soldiers: no castle destruction", true, {"11", "100", "100", "100", "1"}, "11101"},
      {"no castle left", true, {"100", "100", "100", "100", "0"}, "11101"},
      {"one enemy soldier: no subversion", true, {"100", "100", "3", "100", "1"}, "11011"},
      {"all open", false, {"100", "100", "12", "50", "0"}, "11111"},
      {"armament 49: no charge", false, {"100", "100", "100", "49", "0"}, "10111"},
      {"9 soldiers: no armament attack", false, {"100", "100", "11", "100", "0"}, "11101"},
      {"no attacker armament left", false, {"100", "0", "100", "100", "0"}, "11101"},
      {"one enemy soldier: no subversion", false, {"3", "100", "100", "100", "0"}, "11011"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.attack ? "attack: " : "defence: ") + c.name);
    Battle battle(c.attack);
    battle.openAndWait();
    battle.set(c.before[0].c_str(), c.before[1].c_str(), c.before[2].c_str(), c.before[3].c_str(),
               c.before[4].c_str());
    battle.quietTurn();
    EXPECT_EQ(states(battle.playerRow()), c.row);
    EXPECT_EQ(states(c.attack ? battle.defenderRow() : battle.attackerRow()), "00000");
    EXPECT_FALSE(battle.ma2().Timer4.enabled());
    EXPECT_FALSE(battle.ma2().Timer6.enabled());
  }
}

TEST(BattleCommands, SubversionIsLockedForTheRestOfTheBattle) {
  for (bool attack : {true, false}) {
    SCOPED_TRACE(attack);
    Battle battle(attack);
    battle.openAndWait();
    battle.set("100", "100", "100", "100", "10");
    battle.queue(
        {line(1), pick(0, 50), line(1), pick(0, 50), line(1), pick(0, 50), line(1), pick(0, 50)});
    battle.queue(kMildReply);
    battle.program.click(battle.command(3));
    EXPECT_EQ(battle.ma2().Label28.caption(), "1");
    battle.program.advance(7000);
    EXPECT_EQ(states(battle.playerRow()), "11011");
    battle.quietTurn();
    EXPECT_EQ(states(battle.playerRow()), "11011");
  }
}

TEST(BattleCommands, AClickResetsTheCountersAndRunsTheActionTimer) {
  Battle battle(false);
  battle.openAndWait();
  BattleScreen& ma2 = battle.ma2();
  ma2.Label24.setCaption("7");
  ma2.Label25.setCaption("7");
  ma2.Label26.setCaption("7");
  battle.program.click(ma2.Command15);
  EXPECT_EQ(ma2.ko.caption(), "5");
  for (ui::Label* counter : {&ma2.Label23, &ma2.Label24, &ma2.Label25, &ma2.Label26})
    EXPECT_EQ(counter->caption(), "0");
  EXPECT_TRUE(ma2.Timer5.enabled());
  EXPECT_FALSE(ma2.Timer2.enabled());
  EXPECT_EQ(states(battle.defenderRow()), "00000");
}

// The end sequence after a wipe-out: the action that wipes out a side, then
// the four phases of two seconds.
TEST(BattleOutcome, TheWipedOutSideLosesAndTheTableIsWritten) {
  struct Case {
    const char* name;
    bool attack;
    std::vector<std::string> before;
    std::vector<float> action;
    const char* attackerLine;
    const char* defenderLine;
    const char* ruler;                // of the target afterwards
    std::vector<std::string> target;  // f, w, q of the target afterwards
  };
  const Case cases[] = {
      {"the player takes the castle",
       true,
       {"100", "200", "5", "30", "15"},
       {line(1), line(1), line(1), pick(0, 30), pick(99, 100), line(2), line(3)},
       "神に感謝します･･･",
       "この損失は甚大だ…",
       "9",
       {"99", "200", "15"}},
      {"the player's attack fails",
       true,
       {"0", "200", "190", "30", "15"},
       {line(1), line(1), line(1), pick(0, 30), pick(0, 100), line(1), line(3)},
       "くっ、負けた",
       "ははは！！",
       "8",
       {"189", "30", "15"}},
      // Soldiers at exactly 0 after the defenders were wiped out: told as
      // the attacker's defeat, the target keeps its ruler.
      {"the attacker left with no soldier",
       true,
       {"1", "200", "0", "30", "15"},
       {line(1), line(1), line(1), pick(0, 30), pick(0, 100), line(3), line(2)},
       "今度会う時は必ず落とす!!",
       "またいつでもお相手しよう",
       "8",
       {"0", "30", "15"}},
      {"the player holds the territory",
       false,
       {"0", "90", "140", "80", "10"},
       {line(1), line(1), line(1), pick(0, 30), pick(0, 100), line(2), line(1)},
       "機は熟していなかったか",
       "我が国を狙ったのが運の尽きだったな",
       "9",
       {"139", "80", "10"}},
      {"the territory falls to the attacker",
       false,
       {"150", "90", "0", "80", "10"},
       {line(1), line(1), line(1), pick(0, 30), pick(0, 100), line(1), line(1)},
       "この城はわれらのものだ",
       "我が城が落ちるとは･･･",
       "8",
       {"149", "90", "10"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Battle battle(c.attack);
    Program& program = battle.program;
    battle.openAndWait();
    BattleScreen& ma2 = battle.ma2();
    battle.set(c.before[0].c_str(), c.before[1].c_str(), c.before[2].c_str(), c.before[3].c_str(),
               c.before[4].c_str());
    battle.queue(c.action);
    program.click(battle.command(1));
    program.advance(3000);
    ASSERT_TRUE(c.attack ? ma2.Timer3.enabled() : ma2.Timer7.enabled());
    program.advance(4000);
    EXPECT_EQ(ma2.Label18.caption(), c.attackerLine);
    EXPECT_EQ(ma2.Label21.caption(), c.defenderLine);
    EXPECT_EQ(states(battle.playerRow()), "00000");
    const int tgt = c.attack ? 11 : 12;
    program.advance(2000);
    EXPECT_EQ(program.da2().m(tgt).caption(), c.ruler);
    EXPECT_EQ(
        (std::vector<std::string>{program.da3().f(tgt).caption(), program.da3().w(tgt).caption(),
                                  program.da3().q(tgt).caption()}),
        c.target);
    EXPECT_TRUE(program.ma2.loaded());
    EXPECT_FALSE(battle.ma1.Timer2.enabled());
    program.advance(2000);
    EXPECT_FALSE(program.ma2.loaded());
    EXPECT_FALSE(program.ma3.loaded());
    EXPECT_FALSE(program.ma4.loaded());
    EXPECT_EQ(states(commands(battle.ma1)), std::string(15, '0'));
    EXPECT_TRUE(battle.ma1.Timer2.enabled());
    EXPECT_FALSE(battle.ma1.Timer1.enabled());
    if (!c.attack) {
      EXPECT_TRUE(battle.ma1.visible());
    }
    // The sweep goes on after the territory's step.
    program.advance(500);
    EXPECT_TRUE(battle.ma1.Timer1.enabled());
  }
}

TEST(BattleOutcome, TheAttackersRetreatHomeWithTheirSurvivors) {
  Battle battle(true);
  Program& program = battle.program;
  // 300 soldiers at home, 100 sent: 201 stay behind.
  program.da3().f(12).setCaption("201");
  program.da3().w(12).setCaption("31");
  battle.openAndWait();
  BattleScreen& ma2 = battle.ma2();
  battle.set("100", "70", "150", "60", "5");
  battle.queue({line(2), line(2), line(1), pick(21, 30), line(1)});
  program.click(ma2.Command5);
  program.advance(2000);
  EXPECT_EQ(ma2.Label18.caption(), "たっ退却！");
  EXPECT_EQ(ma2.Label21.caption(), "はははっ出直してこい");
  program.advance(1000);
  // The retreat costs 21 - 1 soldiers.
  EXPECT_EQ(ma2.Label7.caption(), "80");
  EXPECT_EQ(program.da3().f(12).caption(), "281");
  EXPECT_EQ(program.da3().w(12).caption(), "101");
  EXPECT_EQ(program.da3().f(11).caption(), "150");
  EXPECT_EQ(program.da3().w(11).caption(), "60");
  EXPECT_EQ(program.da3().q(11).caption(), "5");
  EXPECT_EQ(program.da2().m(11).caption(), "8");
  program.advance(1000);
  EXPECT_FALSE(program.ma2.loaded());
  EXPECT_FALSE(program.ma3.loaded());
  EXPECT_FALSE(program.ma4.loaded());
  EXPECT_TRUE(battle.ma1.Timer2.enabled());
  EXPECT_EQ(states(commands(battle.ma1)), std::string(15, '0'));
}

TEST(BattleOutcome, ARetreatCostsAtMostAllSoldiers) {
  Battle battle(true);
  battle.openAndWait();
  battle.set("10", "70", "150", "60", "5");
  battle.queue({line(3), line(3), line(1), pick(29, 30)});
  battle.program.click(battle.ma2().Command5);
  battle.program.advance(3000);
  EXPECT_EQ(battle.ma2().Label7.caption(), "0");
  EXPECT_EQ(battle.program.da3().f(12).caption(), "140");
}

// The player's nation rules 1, 3 and 7; nation 3 attacks them from 4.
struct Retreat : Battle {
  Retreat() : Battle(false) {
    TerritoryEconomy& da2 = program.da2();
    da2.m(12).setCaption("5");
    for (int i : {1, 3, 7}) da2.m(i).setCaption("9");
    ma1.count1.setCaption("4");
  }
  // The player's defenders on `from` retreat, paying Int(Rnd × 30) = 5.
  void retreat(const char* from) {
    ma1.ai.setCaption(from);
    openAndWait();
    set("80", "50", "100", "40", "12");
    queue({line(1), line(3), line(1), pick(5, 30)});
    program.click(ma2().Command15);
    program.advance(2000);
    EXPECT_EQ(ma2().Label21.caption(), "ここはいったん形成を立て直そう");
    EXPECT_EQ(ma2().Label18.caption(), "ふぅ･･･");
    program.advance(1000);
  }
};

TEST(BattleOutcome, RetreatingDefendersGoToTheFirstOtherTerritoryOfTheNation) {
  Retreat game;
  Program& program = game.program;
  TerritoryStrength& da3 = program.da3();
  game.retreat("3");
  EXPECT_EQ(game.ma1.Label36.caption(), "1");
  // 100 - 5 + 1 survivors join the 60 soldiers of territory 1.
  EXPECT_EQ(da3.f(1).caption(), "156");
  EXPECT_EQ(da3.w(1).caption(), "110");
  EXPECT_EQ(program.da2().m(3).caption(), "3");
  EXPECT_EQ(da3.f(3).caption(), "80");
  EXPECT_EQ(da3.w(3).caption(), "50");
  EXPECT_EQ(da3.q(3).caption(), "12");
  EXPECT_TRUE(program.ma2.loaded());
  program.advance(1000);
  EXPECT_FALSE(program.ma2.loaded());
  EXPECT_TRUE(game.ma1.Timer2.enabled());
  EXPECT_EQ(states(commands(game.ma1)), std::string(15, '0'));

  // A new battle starts from the design-time values.
  game.ma1.Timer2.setEnabled(false);
  game.open();
  EXPECT_EQ(game.ma2().Label17.caption(), "第1ターン");
  EXPECT_EQ(game.ma2().Label27.caption(), "1");
  EXPECT_EQ(game.ma2().Label28.caption(), "0");
  program.ma2.unload();
  program.advance(0);

  game.retreat("1");
  EXPECT_EQ(game.ma1.Label36.caption(), "7");
  EXPECT_EQ(da3.f(7).caption(), std::to_string(420 + 96));
}

TEST(BattleOutcome, RetreatingFromTheLastTerritoryDestroysTheNation) {
  Retreat game;
  Program& program = game.program;
  for (int i : {1, 7}) program.da2().m(i).setCaption("5");
  const std::string soldiersOf1 = program.da3().f(1).caption();
  game.ma1.Timer2.setEnabled(false);
  game.retreat("3");
  EXPECT_EQ(game.ma1.Label36.caption(), "35");
  EXPECT_EQ(program.da2().m(3).caption(), "3");
  EXPECT_EQ(program.da3().f(1).caption(), soldiersOf1);
  EXPECT_EQ(game.ma1.Label33.caption(), "あなたの国は滅亡しました");
  EXPECT_FALSE(program.ma2.loaded());
  EXPECT_FALSE(game.ma1.Timer2.enabled());
  EXPECT_TRUE(game.ma1.Timer1.enabled());
  // The player-turn timer finds no territory left and ends the game.
  program.advance(500);
  EXPECT_TRUE(program.ended());
}

}  // namespace
