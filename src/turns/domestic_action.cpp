// SPDX-License-Identifier: GPL-3.0-or-later
#include "turns/domestic_action.h"

#include <string>

#include "screens/program.h"
#include "ui/convert.h"
#include "world/nation_sets.h"

namespace turns {

using ui::Val;

namespace {

// The computer's domestic action for one territory: one column of its row
// rises, paid from the row's own funds, or the funds grow by hunting.
class DomesticAction {
 public:
  DomesticAction(Program& program, int i)
      : program_(program),
        nation_(Val(program.da2().m(i).caption())),
        r_(program.da2().r(i)),
        u_(program.da2().u(i)),
        z_(program.da2().z(i)),
        q_(program.da3().q(i)),
        w_(program.da3().w(i)),
        s_(program.da3().s(i)),
        d_(program.da3().d(i)),
        f_(program.da3().f(i)) {}

  void run();

 private:
  // How the funds are compared with 1000 and 500.
  enum class Test { AtLeast, Above };
  // What happens when the funds are below 500.
  enum class Short { Hunt, Nothing };

  double draw(float n) { return ui::IntRnd(program_.random(), n) + 1; }
  void raise(ui::Label& column, int n) { column.setCaption(Val(column.caption()) + draw(n)); }
  void pay(double cost) { d_.setCaption(Val(d_.caption()) - cost); }
  // Pays the cost when the funds cover it, or leaves the funds at 0.
  void payOrEmpty(double cost) {
    if (Val(d_.caption()) >= cost)
      pay(cost);
    else
      d_.setCaption("0");
  }
  void invest(ui::Label& column, int high, int low, Test test, Short fallback);
  void hunt();
  void actionTable(const std::string& k);

  Program& program_;
  double nation_;  // the ruling nation, as read from its cell
  ui::Label &r_, &u_, &z_, &q_, &w_, &s_, &d_, &f_;
};

void DomesticAction::run() {
  ui::Label& k = program_.ma1().k;
  program_.random().Randomize();
  k.setCaption(ui::IntRnd(program_.random(), 10) + 1);

  const double s = Val(s_.caption());
  if (s <= 50) {
    if (Val(k.caption()) <= 7)
      invest(s_, 60, 30, Test::AtLeast, Short::Hunt);
    else
      invest(r_, 100, 50, Test::AtLeast, Short::Hunt);
    return;
  }
  if (s > 200) s_.setCaption("200");
  actionTable(k.caption());
}

void DomesticAction::actionTable(const std::string& k) {
  if (k == "1") {
    invest(r_, 150, 90, Test::AtLeast, Short::Hunt);
  } else if (k == "2") {
    invest(s_, 100, 50, Test::AtLeast, Short::Hunt);
  } else if (k == "3") {
    invest(u_, 150, 90, Test::AtLeast, Short::Hunt);
  } else if (k == "4") {
    // Missionary work for a faith, conscription where there is no port.
    if (world::FaithSet.contains(nation_)) {
      raise(s_, 100);
    } else if (Val(z_.caption()) == 0) {
      raise(f_, 100);
      payOrEmpty(500);
    }
  } else if (k == "5") {
    // Port investment, or conscription where there is no port.
    program_.random().Randomize();
    if (Val(z_.caption()) != 0) {
      raise(z_, 100);
      payOrEmpty(500);
    } else {
      raise(f_, 100);
      payOrEmpty(1000);
    }
  } else if (k == "6") {
    invest(w_, 100, 70, Test::Above, Short::Nothing);
  } else if (k == "7") {
    invest(q_, 100, 50, Test::Above, Short::Nothing);
  } else if (k == "8") {
    invest(r_, 100, 60, Test::AtLeast, Short::Hunt);
  } else if (k == "9") {
    invest(s_, 70, 50, Test::AtLeast, Short::Hunt);
  } else if (k == "10") {
    invest(u_, 140, 80, Test::AtLeast, Short::Hunt);
  }
}

void DomesticAction::invest(ui::Label& column, int high, int low, Test test, Short fallback) {
  const double funds = Val(d_.caption());
  auto covers = [&](double cost) { return test == Test::AtLeast ? funds >= cost : funds > cost; };
  if (covers(1000)) {
    raise(column, high);
    pay(1000);
  } else if (covers(500)) {
    raise(column, low);
    pay(500);
  } else if (fallback == Short::Hunt) {
    hunt();
  }
}

void DomesticAction::hunt() {
  if (world::HuntSet.contains(nation_)) d_.setCaption(Val(d_.caption()) + draw(100));
}

}  // namespace

void domesticAction(Program& program, int territory) { DomesticAction(program, territory).run(); }

}  // namespace turns
