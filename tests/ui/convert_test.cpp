// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/convert.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ui;

TEST(Conversions, CStrWritesNumbersPlainly) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {0, "0"},          {-0.0, "0"},        {0.5, "0.5"},         {-1, "-1"},
      {1230, "1230"},    {-0.25, "-0.25"},   {151.5, "151.5"},     {0.1 + 0.2, "0.3"},
      {123456789012345, "123456789012345"},  {1234567890123456, "1.23456789012346E+15"},
      {2.0 / 3, "0.666666666666667"},        {1e-5, "1E-05"},
  };
  for (const Case& c : cases) EXPECT_EQ(CStr(c.value), c.text) << c.value;
}

TEST(Conversions, CStrSingleKeepsSevenDigits) {
  EXPECT_EQ(CStrSingle(0.5f), "0.5");
  EXPECT_EQ(CStrSingle(1.0f / 3), "0.3333333");
  EXPECT_EQ(CStrSingle(39.9999999f), "40");
  EXPECT_EQ(CStrSingle(0.99999994f * 40), "40");  // the largest Rnd times 40
  EXPECT_EQ(CStrSingle(12.345678f), "12.34568");
}

TEST(Conversions, ValReadsTheLeadingNumber) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"", 0},         {"12abc", 12},   {" 1 2 ", 12},    {"-3.5e2", -350}, {"1230", 1230},
      {"-1", -1},      {"0.5", 0.5},    {".5", 0.5},      {"abc", 0},       {"-", 0},
      {"1.2.3", 1.2},  {"2e", 2},       {"2e+", 2},       {"1\t0\n0", 100}, {"+7", 7},
      {"兵 士 数", 0}, {"35", 35},      {"1E+15", 1e15},  {"- 4", -4},
  };
  for (const Case& c : cases) EXPECT_EQ(Val(c.text), c.value) << '"' << c.text << '"';
}

TEST(Conversions, CIntRoundsHalvesToEven) {
  struct Case {
    double value;
    int result;
  } cases[] = {
      {2.5, 2},       {3.5, 4},        {-2.5, -2},          {0.5, 0},          {1.5, 2},
      {-0.4, 0},      {32767, 32767},  {-32768, -32768},    {32767.4, 32767},  {-32768.5, -32768},
  };
  for (const Case& c : cases) EXPECT_EQ(CInt(c.value), c.result) << c.value;
  EXPECT_EQ(CInt(" 12 "), 12);
  EXPECT_EQ(CInt("-1"), -1);
  EXPECT_EQ(CInt("4.5"), 4);
}

TEST(Conversions, CIntAndCDblRefuseWhatTheyCannotHold) {
  for (double value : {32767.5, -32768.6, 40000.0, -1e10, double(NAN), double(INFINITY)}) {
    EXPECT_THROW(CInt(value), ConversionError) << value;
  }
  for (const char* text : {"", "abc", "12abc", "1 2", "-"}) {
    EXPECT_THROW(CInt(text), ConversionError) << text;
    EXPECT_THROW(CDbl(text), ConversionError) << text;
  }
  try {
    CInt(40000.0);
  } catch (const ConversionError& error) {
    EXPECT_NE(std::string(error.what()).find("40000"), std::string::npos);
  }
  EXPECT_EQ(CDbl(" 2000 "), 2000);
}

TEST(Conversions, IntIsTheFloor) {
  EXPECT_EQ(Int(-0.5), -1);
  EXPECT_EQ(Int(151.5), 151);
  EXPECT_EQ(Int(-2), -2);
  EXPECT_EQ(Int(0.999), 0);
}

TEST(Conversions, WrittenNumbersCompareEqualToDesignTexts) {
  EXPECT_EQ(CStr(1.0), "1");
  EXPECT_EQ(CStr(Val("34") + 1), "35");
  EXPECT_EQ(CStr(Val("-1") + 1), "0");
}
