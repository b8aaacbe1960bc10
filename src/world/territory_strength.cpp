#include "world/territory_strength.h"

#include "screens/program.h"

TerritoryStrength::TerritoryStrength(Program& program) : ui::Screen(program, "da3", {.title = "Form1"}) {}
