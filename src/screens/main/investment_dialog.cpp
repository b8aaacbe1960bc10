// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/main/investment_dialog.h"

#include <utility>

#include "screens/program.h"
#include "ui/convert.h"
#include "world/nation_sets.h"
#include "world/scenario.h"

namespace {

// What one command code of ma1.com invests in.
struct Investment {
  double code;
  const char* heading;  // shown above the current value
  ui::Label& (*column)(Program&, int territory);
  double cap;
  const char* capped;  // the status line when the value reaches the cap
  const char* risen;   // the status line when it does not: this, the gain, then `by`
  const char* by;
};

// clang-format off
const Investment kInvestments[] = {
    {1, "現在商業価値", [](Program& p, int i) -> ui::Label& { return p.da2().r(i); }, 2000,
     "商業価値が2000になりました", "商業価値が", "上昇しました"},
    {2, "現在農業価値", [](Program& p, int i) -> ui::Label& { return p.da2().u(i); }, 2000,
     "農業価値が2000になりました", "農業価値が", "上昇しました"},
    {3, "現在港価値", [](Program& p, int i) -> ui::Label& { return p.da2().z(i); }, 1500,
     "港価値が1500になりました", "港価値が", "上昇しました"},
    {4, "現在城価値", [](Program& p, int i) -> ui::Label& { return p.da3().q(i); }, 500,
     "城価値が500になりました", "城価値が", "上昇しました"},
    {5, "現在武装価値", [](Program& p, int i) -> ui::Label& { return p.da3().w(i); }, 300,
     "武装度が300になりました", "武装度が", "上昇しました"},
    {6, "現在民価値", [](Program& p, int i) -> ui::Label& { return p.da3().s(i); }, 200,
     "民忠誠度が200に達しました", "民忠誠度が", "上昇しました"},
    {9, "現在兵士数", [](Program& p, int i) -> ui::Label& { return p.da3().f(i); }, 1000,
     "兵士が1000人になりました", "兵士を", "人徴兵しました"},
};
// clang-format on

// The investment of a command code; none for 0, 7 and any other code.
const Investment* investmentOf(double code) {
  for (const Investment& investment : kInvestments)
    if (investment.code == code) return &investment;
  return nullptr;
}

}  // namespace

InvestmentDialog::InvestmentDialog(Program& program)
    : ui::Screen(program, "kin",
                 {.width = 2775,
                  .height = 2310,
                  .background = ui::Color{12632256},
                  .close = ui::CloseBox::Cancel,
                  .spoken = "投資"}),
      program_(program) {}

int InvestmentDialog::territory() const {
  return world::territoryIndex(program_.ma1().count1.caption());
}

void InvestmentDialog::Form_Load() {
  // Outside a territory step the dialog keeps its design-time texts.
  const int i = territory();
  if (i < 0) return;
  Label1.setCaption(program_.da2().n(i).caption());

  // Only the amounts the funds cover are offered; one equal to the funds is.
  const double funds = ui::Val(program_.da3().d(i).caption());
  const std::pair<ui::Button*, double> amounts[] = {{&Command1, 100},  {&Command2, 300},
                                                    {&Command3, 500},  {&Command4, 1000},
                                                    {&Command5, 2000}, {&Command6, 4000}};
  for (auto [button, amount] : amounts)
    if (amount > funds) button->setEnabled(false);

  if (const Investment* investment = investmentOf(ui::Val(program_.ma1().com.caption()))) {
    Label2.setCaption(investment->heading);
    Label3.setCaption(investment->column(program_, i).caption());
  }
}

void InvestmentDialog::Form_Unload() { program_.ma1().com.setCaption(0); }

void InvestmentDialog::Command1_Click() { Label4.setCaption(100); }
void InvestmentDialog::Command2_Click() { Label4.setCaption(300); }
void InvestmentDialog::Command3_Click() { Label4.setCaption(500); }
void InvestmentDialog::Command4_Click() { Label4.setCaption(1000); }
void InvestmentDialog::Command5_Click() { Label4.setCaption(2000); }
void InvestmentDialog::Command6_Click() { Label4.setCaption(4000); }

void InvestmentDialog::Command7_Click() { program_.kin.unload(); }

void InvestmentDialog::Command8_Click() {
  MainScreen& ma1 = program_.ma1();
  ui::Random& random = program_.random();
  const int i = territory();
  // Outside a territory step there is nothing to invest in.
  if (i < 0) {
    program_.kin.unload();
    return;
  }
  const double amount = ui::Val(Label4.caption());

  // Every execution draws twice, whatever the code.
  const double ruler = ui::Val(program_.da2().m(i).caption());
  const double loyalty = ui::Val(program_.da3().s(i).caption());
  double g1 = ui::Int(amount * loyalty / 1000) + ui::IntRnd(random, 3) + 1;
  double g2 = ui::Int(amount / 100) + ui::IntRnd(random, 3) + 1;
  if (!world::PlainYieldSet.contains(ruler)) {
    g1 = ui::Int(g1 * 3 / 2);
    g2 = ui::Int(g2 * 3 / 2);
  }

  const double code = ui::Val(ma1.com.caption());
  if (const Investment* investment = investmentOf(code)) {
    double gain = g1;
    if (code == 5)
      gain = ui::Int(amount / (ui::IntRnd(random, 20) + 10));
    else if (code == 6)
      gain = g2;
    else if (code == 9)
      gain = ui::Int(amount / 20) + ui::IntRnd(random, 20) + 1;

    ui::Label& cell = investment->column(program_, i);
    const double value = ui::Val(cell.caption()) + gain;
    cell.setCaption(value);
    if (value >= investment->cap) {
      cell.setCaption(investment->cap);
      ma1.Label33.setCaption(investment->capped);
    } else {
      ma1.Label33.setCaption(investment->risen + ui::CStr(gain) + investment->by);
    }
  }

  ui::Label& funds = program_.da3().d(i);
  funds.setCaption(ui::Val(funds.caption()) - amount);

  // The end of every player command; it closes this dialog too, which
  // writes 0 into com.
  ma1.endCommand();
}
