// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program object: one lazy slot per screen of the game, reached as
// program.ma1(), program.da3() ...; `start` shows the first screen.

#include "chronicle/record.h"
#include "screens/battle/battle_screen.h"
#include "screens/front/ending_screen.h"
#include "screens/front/nation_selection.h"
#include "screens/front/opening_screen.h"
#include "screens/main/investment_dialog.h"
#include "screens/main/main_screen.h"
#include "screens/military/attack_confirmation.h"
#include "screens/military/attack_setup.h"
#include "screens/military/movement_screen.h"
#include "screens/military/siege_screen.h"
#include "ui/desktop.h"
#include "world/nation_data.h"
#include "world/territory_economy.h"
#include "world/territory_strength.h"

class Program : public ui::Desktop {
 public:
  template <class S>
  using Slot = ui::Slot<S, Program>;

  void start() override;
  // The main screen handed to the player: "あなたのターンです", both timers
  // stopped, the end of turn open.
  bool playersStep() const override;
  std::string gameTitle() const override;
  // The ending shown, or "ゲームオーバー" on the status line.
  bool gameOver() const override;
  bool playerInvolved() const override;

  // Declaration order is the order in which simultaneous timer ticks fire.
  Slot<OpeningScreen> op1{*this, "op1"};
  Slot<NationSelection> op2{*this, "op2"};
  Slot<MainScreen> ma1{*this, "ma1"};
  Slot<NationData> da1{*this, "da1"};
  Slot<TerritoryEconomy> da2{*this, "da2"};
  Slot<TerritoryStrength> da3{*this, "da3"};
  Slot<EndingScreen> en1{*this, "en1"};
  Slot<InvestmentDialog> kin{*this, "kin"};
  Slot<BattleScreen> ma2{*this, "ma2"};
  Slot<MovementScreen> ma6{*this, "ma6"};
  Slot<AttackSetup> ma3{*this, "ma3"};
  Slot<AttackConfirmation> ma4{*this, "ma4"};
  Slot<SiegeScreen> ma5{*this, "ma5"};

  // What happened in the game, watched after every event.
  chronicle::Record record{*this};
};
