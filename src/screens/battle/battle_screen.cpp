// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/battle/battle_screen.h"

#include <string>

#include "screens/program.h"
#include "ui/convert.h"
#include "world/scenario.h"

using ui::Int;
using ui::Val;

namespace {

// A caption of a table column, or empty for an index that names no row.
std::string cell(const ui::WidgetArray<ui::Label>& column, int i) {
  return i < 0 ? std::string() : std::string(column(i).caption());
}

// The nation that rules territory i; -1 for none.
int rulerOf(TerritoryEconomy& da2, int i) {
  return i < 0 ? -1 : world::nationIndex(da2.m(i).caption());
}

// The opening dialogue by r: the challenge after the defender's name, the
// attacker's rally, the defender's answer around the attacker's name, the
// defender's rally.
const char* const kChallenges[] = {"を倒してくれる", "めが！", "と遭遇したぞ", "か！？", "･･･"};
const char* const kAttackerRallies[] = {"蹴散らしてくれるわ！", "うりゃー", "ものども続け！！",
                                        "ついにこの日がやってきた", "ものども勝利を我が手に･･･"};
struct Answer {
  const char* before;
  const char* after;
};
const Answer kAnswers[] = {{"", "が攻めてきたぞ"},
                           {"くっ、", "どもめ"},
                           {"", "め、なぜ我が国を狙う"},
                           {"", "！我が国を狙うとはおろかな"},
                           {"", "・・・・"}};
const char* const kDefenderRallies[] = {
    "返り討ちにしてくれる", "我が国を狙ったことを後悔させてくれる", "攻めろ！攻めまくれ",
    "守りを固めよ", "われらの底力、見せてやれ"};

// The lines of the battle turns by r.
using Lines = const char* const[3];
Lines kAttackCalls = {"我が力見せてくれる", "うりゃー", "いくぞ！！"};
Lines kAttackAnswers = {"来るならこい", "みな、守り切れ！", "うお～･･"};
Lines kChargeCalls = {"ものどもおまえらの命私に預けよ！", "死にもの狂いで突撃だぁ～", "････突撃。"};
Lines kChargeAnswers = {"ここが天王山････", "敵は命懸けだぞ･･･背水の陣で望め･･･", "くっ･･･"};
Lines kCastleCalls = {"敵の守りを打ち崩せ", "この門を崩すのだ", "城さえ壊せばこちらのものだ…"};
Lines kCastleAnswers = {"ふふふっ甘いな、計略見破ったり･･･", "くっ、しまった･･･門を開かれた",
                        "何とか被害を最小限に"};
Lines kArmsAnswers = {"ふふふっ甘いな、計略見破ったり･･･", "くっ、私の鎧はどこにあるのだ？？",
                      "ぶっ、武装庫が燃えている"};
Lines kAttackerRetreats = {"ここはいったん形成を立て直そう", "たっ退却！", "また会おうぞ･･･"};
Lines kRetreatTaunts = {"にっ逃げるきか･･･", "はははっ出直してこい", "勝利････"};
Lines kDefenderRetreats = {"ここはいったん形成を立て直そう", "この城を捨てなければならぬとは･･･",
                           "いつかもどってくるぞ"};
Lines kRetreatGloats = {"この城はもらった", "腰抜けどもめ", "ふぅ･･･"};

// The end of a battle by r.
Lines kAttackerDefeats = {"くっ、負けた", "機は熟していなかったか", "今度会う時は必ず落とす!!"};
Lines kDefenderDefeats = {"我が城が落ちるとは･･･", "この損失は甚大だ…", "ここはいったん退くか･･･"};
Lines kDefenderVictories = {"我が国を狙ったのが運の尽きだったな", "またいつでもお相手しよう",
                            "ははは！！"};
Lines kAttackerVictories = {"この城はわれらのものだ", "ふぅ･･･おわったな", "神に感謝します･･･"};

// The line chosen by r, 1 to 3.
const char* line(Lines& lines, double r) { return lines[static_cast<int>(r) - 1]; }

void increment(ui::Label& counter) { counter.setCaption(Val(counter.caption()) + 1); }

// A loss of x.
void lose(ui::Label& value, double x) { value.setCaption(Val(value.caption()) - x); }

// A cost of Int(Rnd × n): the draw is taken and one given back.
void pay(ui::Label& value, ui::Random& random, float n) {
  value.setCaption(Val(value.caption()) - ui::IntRnd(random, n) + 1);
}

void floorAt(ui::Label& value, const char* floor) {
  if (Val(value.caption()) < 0) value.setCaption(floor);
}

}  // namespace

BattleScreen::BattleScreen(Program& program)
    : ui::Screen(program, "ma2",
                 {.title = "Form1", .close = ui::CloseBox::Refuse, .spoken = "戦闘"}),
      program_(program) {}

BattleScreen::Roles BattleScreen::roles(bool attackerActs) {
  if (attackerActs) return {Label7, Label8, Label10, Label18, Label21, true};
  return {Label10, Label11, Label7, Label21, Label18, false};
}

bool BattleScreen::attackBattle() const { return Val(program_.ma1().Label34.caption()) == 1; }

int BattleScreen::source() const { return world::territoryIndex(program_.ma1().count1.caption()); }

int BattleScreen::target() const {
  if (attackBattle()) return world::territoryIndex(program_.ma3().Label10.caption());
  return world::territoryIndex(program_.ma1().ai.caption());
}

void BattleScreen::Form_Load() {
  enable(attackerCommands(), false);
  enable(defenderCommands(), false);
  MainScreen& ma1 = program_.ma1();
  NationData& da1 = program_.da1();
  TerritoryEconomy& da2 = program_.da2();
  TerritoryStrength& da3 = program_.da3();
  const bool attack = attackBattle();
  Timer1.setEnabled(true);
  const int t = target();
  const int a = rulerOf(da2, source());
  const int d = attack ? rulerOf(da2, t) : world::nationIndex(ma1.mm.caption());
  // A side whose nation cannot be told shows no portrait and no name.
  Image1.setPicture(a < 0 ? "" : da1.t(a).picture());
  Image2.setPicture(d < 0 ? "" : da1.t(d).picture());
  Label9.setCaption(a < 0 ? "" : std::string(da1.tt(a).caption()));
  Label12.setCaption(d < 0 ? "" : std::string(da1.tt(d).caption()));
  if (attack) {
    AttackConfirmation& ma4 = program_.ma4();
    Label7.setCaption(Val(ma4.Label10.caption()));
    Label8.setCaption(Val(ma4.Label12.caption()));
    Label11.setCaption(Val(ma4.Label7.caption()));
    Label10.setCaption(Val(ma4.Label6.caption()));
    Label13.setCaption(cell(da2.n, t));
    Label22.setCaption(Val(ma4.Label8.caption()));
  } else {
    Label7.setCaption(Val(ma1.t.caption()));
    Label8.setCaption(Val(ma1.Label35.caption()));
    Label11.setCaption(Val(cell(da3.w, t)));
    Label10.setCaption(Val(cell(da3.f, t)));
    Label13.setCaption(cell(da2.n, t));
    Label22.setCaption(Val(cell(da3.q, t)));
  }
}

void BattleScreen::Timer1_Timer() {
  ui::Random& random = program_.random();
  random.Randomize();
  const double r = ui::IntRnd(random, 5) + 1;
  increment(Label23);
  const std::string& step = Label23.caption();
  const int i = static_cast<int>(r) - 1;
  if (step == "1") {
    Label18.setCaption(Label12.caption() + kChallenges[i]);
  } else if (step == "2") {
    Label18.setCaption(kAttackerRallies[i]);
  } else if (step == "3") {
    Label21.setCaption(kAnswers[i].before + Label9.caption() + kAnswers[i].after);
  } else if (step == "4") {
    Label21.setCaption(kDefenderRallies[i]);
  } else if (step == "5") {
    if (attackBattle()) {
      enable(attackerCommands(), true);
      if (Val(Label8.caption()) < 50) Command2.setEnabled(false);
    } else {
      enable(defenderCommands(), true);
      if (Val(Label11.caption()) < 50) Command12.setEnabled(false);
    }
  } else if (step == "6") {
    Timer1.setEnabled(false);
  }
}

void BattleScreen::Command1_Click() { startAction("1", true); }
void BattleScreen::Command2_Click() { startAction("2", true); }
void BattleScreen::Command3_Click() {
  Label28.setCaption("1");
  startAction("3", true);
}
void BattleScreen::Command4_Click() { startAction("4", true); }
void BattleScreen::Command5_Click() { startAction("5", true); }
void BattleScreen::Command11_Click() { startAction("1", false); }
void BattleScreen::Command12_Click() { startAction("2", false); }
void BattleScreen::Command13_Click() {
  Label28.setCaption("1");
  startAction("3", false);
}
void BattleScreen::Command14_Click() { startAction("4", false); }
void BattleScreen::Command15_Click() { startAction("5", false); }

void BattleScreen::startAction(const char* code, bool attackerRow) {
  for (ui::Label* counter : {&Label23, &Label24, &Label25, &Label26}) counter->setCaption("0");
  ko.setCaption(code);
  // The opening dialogue is over once the player acts: left running, its
  // step "5" would open the row again in the middle of the action.
  Timer1.setEnabled(false);
  if (attackerRow) {
    Timer2.setEnabled(true);
    enable(attackerCommands(), false);
  } else {
    Timer5.setEnabled(true);
    enable(defenderCommands(), false);
  }
}

void BattleScreen::Timer8_Timer() {
  if (Val(Label28.caption()) == 1) {
    Command3.setEnabled(false);
    Command13.setEnabled(false);
  }
}

void BattleScreen::Timer2_Timer() { action(true, Timer2, Timer4, Timer3); }
void BattleScreen::Timer5_Timer() { action(false, Timer5, Timer6, Timer7); }
void BattleScreen::Timer4_Timer() { reply(false, Timer4, Timer3); }
void BattleScreen::Timer6_Timer() { reply(true, Timer6, Timer7); }

void BattleScreen::action(bool attackerActs, ui::Timer& running, ui::Timer& replyTimer,
                          ui::Timer& endTimer) {
  ui::Random& random = program_.random();
  increment(Label26);
  random.Randomize();
  const double r = ui::IntRnd(random, 3) + 1;
  const std::string& phase = Label26.caption();
  const std::string code = ko.caption();
  Roles side = roles(attackerActs);
  if (code == "1" || code == "2") {
    const bool charge = code == "2";
    if (phase == "1") {
      side.ownSpeech.setCaption(line(charge ? kChargeCalls : kAttackCalls, r));
    } else if (phase == "2") {
      side.enemySpeech.setCaption(line(charge ? kChargeAnswers : kAttackAnswers, r));
    } else if (phase == "3") {
      combat(side, charge);
      afterCombat(running, &replyTimer, endTimer);
    }
  } else if (code == "3") {
    random.Randomize();
    const double k = ui::IntRnd(random, 50) + 1;
    const double n = Val(phase);
    if (n == 1) {
      side.ownSpeech.setCaption("ははっ");
    } else if (n == 2) {
      side.enemySpeech.setCaption("裏切りか？");
    } else if (n == 3) {
      // The traitors change sides; an enemy driven below none keeps one soldier.
      side.own.setCaption(Val(side.own.caption()) + k);
      side.enemy.setCaption(Val(side.enemy.caption()) - k);
      floorAt(side.enemy, "1");
    } else if (n == 4) {
      replyTimer.setEnabled(true);
      running.setEnabled(false);
    }
  } else if (code == "4") {
    if (phase == "1") {
      if (attackerActs)
        Label18.setCaption(line(kCastleCalls, r));
      else if (r == 1)
        Label21.setCaption("よ～し");
      else if (r == 2)
        Label21.setCaption("敵の武装を破壊せよ");
      else
        Label18.setCaption("ん、曲者が我が陣に混ざっておる");
    } else if (phase == "2") {
      if (attackerActs)
        castleDestruction(r);
      else
        armamentAttack(r);
    } else if (phase == "3") {
      replyTimer.setEnabled(true);
      running.setEnabled(false);
    }
  } else if (code == "5") {
    if (attackerActs)
      attackerRetreat(phase, r);
    else
      defenderRetreat(phase, r);
  }
}

void BattleScreen::reply(bool attackerActs, ui::Timer& running, ui::Timer& endTimer) {
  ui::Random& random = program_.random();
  increment(Label25);
  random.Randomize();
  const double r = ui::IntRnd(random, 3) + 1;
  const std::string& phase = Label25.caption();
  Roles side = roles(attackerActs);
  if (phase == "1") {
    side.ownSpeech.setCaption(line(kAttackCalls, r));
  } else if (phase == "2") {
    side.enemySpeech.setCaption(line(kAttackAnswers, r));
  } else if (phase == "3") {
    combat(side, false);
    afterCombat(running, nullptr, endTimer);
  }
}

void BattleScreen::combat(Roles& side, bool charge) {
  ui::Random& random = program_.random();
  const double a = ui::IntRnd(random, 30) + 1;
  // The defender is shielded by armament and castle, the attacker by armament alone.
  double d = side.attacker ? Val(ui::CStr(Val(Label11.caption()) + Val(Label22.caption())))
                           : Val(Label8.caption());
  // An enemy with nothing to shield it must not turn the ratio infinite.
  if (d == 0) d = 1;
  const double b = Val(side.ownArms.caption()) / d * ui::IntRnd(random, 100) + 1;
  lose(side.own, Int(a));
  if (charge) {
    lose(side.enemy, Val(ui::CStr(Int(b) * 2)));
    pay(side.ownArms, random, 50);
    floorAt(side.ownArms, "1");
  } else {
    lose(side.enemy, Int(b));
  }
}

void BattleScreen::afterCombat(ui::Timer& running, ui::Timer* replyTimer, ui::Timer& endTimer) {
  // Only a side below none has lost, and the attacker is judged first.
  if (Val(Label7.caption()) < 0) {
    Label7.setCaption("0");
    endTimer.setEnabled(true);
    running.setEnabled(false);
  } else if (Val(Label10.caption()) < 0) {
    Label10.setCaption("0");
    endTimer.setEnabled(true);
    running.setEnabled(false);
  } else if (replyTimer) {
    replyTimer->setEnabled(true);
    running.setEnabled(false);
  } else {
    endOfTurn(running);
  }
}

void BattleScreen::endOfTurn(ui::Timer& running) {
  increment(Label27);
  Label17.setCaption("第" + Label27.caption() + "ターン");
  if (attackBattle()) {
    enable(attackerCommands(), true);
    if (Val(Label8.caption()) < 50) Command2.setEnabled(false);
    if (Val(Label7.caption()) < 10) Command4.setEnabled(false);
    if (Val(Label22.caption()) == 0) Command4.setEnabled(false);
    if (Val(Label10.caption()) == 1) Command3.setEnabled(false);
  } else {
    enable(defenderCommands(), true);
    if (Val(Label11.caption()) < 50) Command12.setEnabled(false);
    if (Val(Label10.caption()) < 10) Command14.setEnabled(false);
    if (Val(Label8.caption()) == 0) Command14.setEnabled(false);
    if (Val(Label7.caption()) == 1) Command13.setEnabled(false);
  }
  running.setEnabled(false);
}

void BattleScreen::castleDestruction(double r) {
  ui::Random& random = program_.random();
  Label21.setCaption(line(kCastleAnswers, r));
  pay(Label7, random, 20);
  floorAt(Label7, "0");
  if (r == 2) {
    pay(Label22, random, 100);
    floorAt(Label22, "0");
  } else if (r == 3) {
    pay(Label22, random, 50);
    floorAt(Label22, "0");
  }
}

void BattleScreen::armamentAttack(double r) {
  ui::Random& random = program_.random();
  Label18.setCaption(line(kArmsAnswers, r));
  pay(Label10, random, 20);
  floorAt(Label10, "0");
  if (r == 2) {
    pay(Label8, random, 100);
    floorAt(Label8, "1");
  } else if (r == 3) {
    pay(Label8, random, 50);
    floorAt(Label8, "1");
  }
}

void BattleScreen::attackerRetreat(const std::string& phase, double r) {
  TerritoryStrength& da3 = program_.da3();
  if (phase == "1") {
    Label18.setCaption(line(kAttackerRetreats, r));
  } else if (phase == "2") {
    Label21.setCaption(line(kRetreatTaunts, r));
  } else if (phase == "3") {
    pay(Label7, program_.random(), 30);
    floorAt(Label7, "0");
    keepTarget();
    // The survivors go home with what is left of their armament.
    if (const int src = source(); src >= 0) {
      da3.f(src).setCaption(Val(da3.f(src).caption()) + Val(Label7.caption()));
      da3.w(src).setCaption(Val(da3.w(src).caption()) + Val(Label8.caption()));
    }
  } else if (phase == "4") {
    leaveAttackBattle();
  }
}

void BattleScreen::defenderRetreat(const std::string& phase, double r) {
  MainScreen& ma1 = program_.ma1();
  TerritoryEconomy& da2 = program_.da2();
  TerritoryStrength& da3 = program_.da3();
  if (phase == "1") {
    Label21.setCaption(line(kDefenderRetreats, r));
  } else if (phase == "2") {
    Label18.setCaption(line(kRetreatGloats, r));
  } else if (phase == "3") {
    pay(Label10, program_.random(), 30);
    floorAt(Label10, "0");
    // The refuge is the first other territory of the player's nation.
    const int tgt = target();
    ma1.Label36.setCaption("35");
    for (int i = 0; i < world::kTerritories; ++i) {
      if (i == tgt) continue;
      if (ma1.Label36.caption() == "35" && da2.m(i).caption() == ma1.mm.caption())
        ma1.Label36.setCaption(i);
    }
    const int refuge = world::territoryIndex(ma1.Label36.caption());
    if (refuge >= 0) {
      da3.f(refuge).setCaption(Val(da3.f(refuge).caption()) + Val(Label10.caption()));
      da3.w(refuge).setCaption(Val(da3.w(refuge).caption()) + Val(Label11.caption()));
    }
    loseTarget(cell(da2.m, source()));
    if (refuge < 0) {
      // The nation has no territory left: the player-turn timer ends the game.
      ma1.Label33.setCaption("あなたの国は滅亡しました");
      ma1.Timer1.setEnabled(true);
      program_.ma2.unload();
    }
  } else if (phase == "4") {
    program_.ma1().endCommand();
    program_.ma2.unload();
  }
}

void BattleScreen::Timer3_Timer() { endSequence(true); }
void BattleScreen::Timer7_Timer() { endSequence(false); }

void BattleScreen::endSequence(bool attack) {
  ui::Random& random = program_.random();
  increment(Label24);
  random.Randomize();
  const double r = ui::IntRnd(random, 3) + 1;
  // The attacker's soldiers stand at "0" when the attacker has lost.
  const bool attackerLost = Val(Label7.caption()) == 0;
  const std::string& phase = Label24.caption();
  if (phase == "1") {
    if (!attack) {
      enable(defenderCommands(), false);
    }
    if (attackerLost)
      Label18.setCaption(line(kAttackerDefeats, r));
    else
      Label21.setCaption(line(kDefenderDefeats, r));
  } else if (phase == "2") {
    if (attackerLost)
      Label21.setCaption(line(kDefenderVictories, r));
    else
      Label18.setCaption(line(kAttackerVictories, r));
  } else if (phase == "3") {
    if (attackerLost)
      keepTarget();
    else if (attack)
      loseTarget(program_.ma1().mm.caption());
    else
      loseTarget(cell(program_.da2().m, source()));
  } else if (phase == "4") {
    if (attack) {
      leaveAttackBattle();
    } else {
      program_.ma1().endCommand();
      program_.ma1().show();
      Timer7.setEnabled(false);
      program_.ma2.unload();
    }
  }
}

void BattleScreen::keepTarget() {
  TerritoryStrength& da3 = program_.da3();
  const int tgt = target();
  if (tgt < 0) return;
  da3.q(tgt).setCaption(Val(Label22.caption()));
  da3.f(tgt).setCaption(Val(Label10.caption()));
  da3.w(tgt).setCaption(Val(Label11.caption()));
}

void BattleScreen::loseTarget(const std::string& ruler) {
  TerritoryEconomy& da2 = program_.da2();
  TerritoryStrength& da3 = program_.da3();
  const int tgt = target();
  if (tgt < 0) return;
  // The attacker's survivors garrison the captured territory.
  if (!ruler.empty()) da2.m(tgt).setCaption(ruler);
  da3.q(tgt).setCaption(Val(Label22.caption()));
  da3.f(tgt).setCaption(Val(Label7.caption()));
  da3.w(tgt).setCaption(Val(Label8.caption()));
}

std::array<ui::Button*, 5> BattleScreen::attackerCommands() {
  return {&Command1, &Command2, &Command3, &Command4, &Command5};
}

std::array<ui::Button*, 5> BattleScreen::defenderCommands() {
  return {&Command11, &Command12, &Command13, &Command14, &Command15};
}

void BattleScreen::enable(const std::array<ui::Button*, 5>& row, bool enabled) {
  for (ui::Button* button : row) button->setEnabled(enabled);
}

void BattleScreen::leaveAttackBattle() {
  // The end of the step closes the attack setup and confirmation, in that order.
  program_.ma1().endCommand();
  program_.ma2.unload();
}

ui::LabelDesign BattleScreen::heading(int top, const char* caption) {
  return {.at = {240, top, 1935, 255}, .caption = caption, .in = &Frame9};
}

ui::LabelDesign BattleScreen::side(ui::Frame* frame, int left, int top, int width,
                                   const char* caption, const ui::Label* heading) {
  return {.at = {120 + left, top + 120, width, 255},
          .caption = caption,
          .font = {ui::kGothic, 11.25},
          .in = frame,
          .heading = heading};
}

ui::LabelDesign BattleScreen::speech(int left) {
  return {.at = {left + 120, 6000, 3735, 855}, .font = {ui::kBrush, 11.25}, .transparent = true};
}

ui::ButtonDesign BattleScreen::command(ui::Frame* frame, int place, const char* picture,
                                       const char* caption, const char* tooltip) {
  return {.at = {120 + place * 1095, 300, 1095, 855},
          .caption = caption,
          .tooltip = tooltip,
          .picture = picture,
          .font = {ui::kBrush, 11.25},
          .enabled = false,
          .graphical = true,
          .in = frame,
          // Both rows answer to 1 to 5: only the player's row is ever enabled.
          .keys = std::to_string(place + 1)};
}

ui::LabelDesign BattleScreen::state(const char* caption) {
  return {.caption = caption, .visible = false};
}
