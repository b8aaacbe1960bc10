#include "world/territory_economy.h"

#include "screens/program.h"

TerritoryEconomy::TerritoryEconomy(Program& program) : ui::Screen(program, "da2", {.title = "Form1"}) {}
