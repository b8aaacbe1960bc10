#include "world/nation_data.h"

#include "screens/program.h"

NationData::NationData(Program& program) : ui::Screen(program, "da1", {.title = "Form1"}) {}
