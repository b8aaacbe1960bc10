#include "screens/main/main_screen.h"

#include "screens/program.h"

MainScreen::MainScreen(Program& program)
    : ui::Screen(program, "ma1", {.title = "Form1", .background = ui::Color{14737632}}) {}
