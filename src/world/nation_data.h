#pragma once

#include "ui/screen.h"

class Program;

class NationData : public ui::Screen {
 public:
  explicit NationData(Program& program);
};
