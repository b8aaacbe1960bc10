// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/convert.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using namespace ui;

TEST(Conversions, CStrWritesNumbersPlainly) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {0.5, "0.5"},
      {-1, "-1"},
      {1230, "1230"},
      {-0.25, "-0.25"},
      {151.5, "151.5"},
      {0.1 + 0.2, "0.3"},
      {123456789012345, "123456789012345"},
      {1234567890123456, "1.23456789012346E+15"},
      {2.0 / 3, "0.666666666666667"},
      {1e-5, "1E-05"},
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
      {"", 0},         {"12abc", 12}, {" 1 2 ", 12},   {"-3.5e2", -350}, {"1230", 1230},
      {"-1", -1},      {"0.5", 0.5},  {".5", 0.5},     {"abc", 0},       {"-", 0},
      {"1.2.3", 1.2},  {"2e", 2},     {"2e+", 2},      {"1\t0\n0", 100}, {"+7", 7},
      {"兵 士 数", 0}, {"35", 35},    {"1E+15", 1e15}, {"- 4", -4},
  };
  for (const Case& c : cases) EXPECT_EQ(Val(c.text), c.value) << '"' << c.text << '"';
}

TEST(Conversions, CIntRoundsHalvesToEven) {
  struct Case {
    double value;
    int result;
  } cases[] = {
      {2.5, 2},  {3.5, 4},       {-2.5, -2},       {0.5, 0},         {1.5, 2},
      {-0.4, 0}, {32767, 32767}, {-32768, -32768}, {32767.4, 32767}, {-32768.5, -32768},
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

namespace {

// The text every number was written as before whole numbers were written
// directly: printf's %G, 0 for either zero.
std::string printed(double value, int digits) {
  if (value == 0) return "0";
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
  return buffer;
}

std::vector<double> numbersToWrite() {
  std::vector<double> values;
  for (int i = -5000; i <= 5000; ++i) values.insert(values.end(), {double(i), i / 3.0, i / 7.0});
  double power = 1;
  for (int k = 0; k <= 20; ++k, power *= 10)
    for (double v : {power, power - 1, power + 1, power - 0.5, power / 3, 1 / power, 1 / power / 7})
      values.insert(values.end(), {v, -v});
  for (double v : {999999999999999.0, 999999999999999.5, 1e15, 1e15 + 2, 9007199254740993.0,
                   123456789012345.6, 0.1, 1e-5, 1e-300, 5e-324, DBL_MAX, DBL_MIN, 2.5e-7, 151.5})
    values.insert(values.end(), {v, -v});
  std::mt19937_64 draw(15);
  for (int i = 0; i < 20000; ++i) {
    const double v = std::ldexp(std::uniform_real_distribution<double>(1, 2)(draw),
                                std::uniform_int_distribution<int>(-80, 80)(draw));
    values.insert(values.end(), {v, -std::floor(v)});
  }
  return values;
}

}  // namespace

TEST(Conversions, NumbersAreWrittenAsBefore) {
  for (double value : numbersToWrite()) {
    ASSERT_EQ(CStr(value), printed(value, 15)) << std::hexfloat << value;
    if (std::abs(value) > FLT_MAX) continue;
    const float single = static_cast<float>(value);
    ASSERT_EQ(CStrSingle(single), printed(single, 7)) << std::hexfloat << single;
  }
}

TEST(Conversions, ValReadsWrittenNumbersAsStrtodDoes) {
  for (double value : numbersToWrite()) {
    const std::string text = CStr(value);
    const double read = std::strtod(text.c_str(), nullptr);
    // The text of the largest doubles rounds up beyond them.
    if (std::isinf(read))
      ASSERT_THROW(Val(text), ConversionError) << text;
    else
      ASSERT_EQ(Val(text), read) << text;
  }
  for (const char* text : {"-0", "+0", "007", "-999999999999999", "9999999999999999",
                           "12345678901234567890", "+123456789012345", "0000000000000001"}) {
    EXPECT_EQ(Val(text), std::strtod(text, nullptr)) << text;
    EXPECT_EQ(std::signbit(Val(text)), std::signbit(std::strtod(text, nullptr))) << text;
  }
}

// A number no double holds raises the conversion error rather than reading as
// infinity, and nothing writes or converts infinity or NaN.
TEST(Conversions, NothingNonFiniteGoesThrough) {
  for (const char* text : {"1e309", "-1e309", " 1 e 309 兵",
                           "1"
                           "0000000000000000000000000000000000"
                           "00000000000000000000000000000000000000000000000000000000000000000000"
                           "00000000000000000000000000000000000000000000000000000000000000000000"
                           "00000000000000000000000000000000000000000000000000000000000000000000"
                           "00000000000000000000000000000000000000000000000000000000000000000000"
                           "000000000000"}) {
    EXPECT_THROW(Val(text), ConversionError) << text;
    EXPECT_THROW(CDbl(text), ConversionError) << text;
    EXPECT_THROW(CInt(text), ConversionError) << text;
  }
  try {
    Val("-1e309");
    ADD_FAILURE() << "no error";
  } catch (const ConversionError& error) {
    EXPECT_NE(std::string(error.what()).find("\"-1e309\""), std::string::npos) << error.what();
  }
  EXPECT_EQ(Val("1.7976931348623157e308"), DBL_MAX);
  EXPECT_EQ(Val("1e-400"), 0);  // too small to hold reads as zero, as it always has
  EXPECT_EQ(Val("inf"), 0);
  EXPECT_EQ(Val("nan"), 0);

  for (double value : {double(INFINITY), -double(INFINITY), double(NAN)}) {
    EXPECT_THROW(CStr(value), ConversionError) << value;
    EXPECT_THROW(CStrSingle(static_cast<float>(value)), ConversionError) << value;
    EXPECT_THROW(CDbl(value), ConversionError) << value;
    EXPECT_THROW(Int(value), ConversionError) << value;
  }
  try {
    CInt(double(NAN));
    ADD_FAILURE() << "no error";
  } catch (const ConversionError& error) {
    EXPECT_NE(std::string(error.what()).find("NaN"), std::string::npos) << error.what();
  }
}

TEST(Conversions, ATextCellKeepsValOfItsText) {
  TextCell cell(std::string("12"));
  EXPECT_EQ(Val(cell), 12);
  cell.write(CStr(1.0 / 3));
  EXPECT_EQ(cell, "0.333333333333333");
  EXPECT_EQ(Val(cell), 0.333333333333333);
  EXPECT_NE(Val(cell), 1.0 / 3);
  cell.write(" 4 2 兵");
  EXPECT_EQ(Val(cell), 42);
  cell.write("");
  EXPECT_EQ(Val(cell), 0);

  // An error is raised at every read, as Val of the text raises it.
  cell.write("1e309");
  EXPECT_THROW(Val(cell), ConversionError);
  EXPECT_THROW(Val(cell), ConversionError);
  cell.write("-7");
  EXPECT_EQ(Val(cell), -7);

  const TextCell copy = cell;
  EXPECT_EQ(Val(copy), -7);

  // A number written keeps what its text reads back as, bit for bit.
  for (double value : numbersToWrite()) {
    if (std::isinf(std::strtod(CStr(value).c_str(), nullptr))) continue;
    cell.write(value);
    const double read = Val(std::string_view(cell));
    ASSERT_EQ(Val(cell), read) << cell;
    ASSERT_EQ(std::signbit(Val(cell)), std::signbit(read)) << cell;
  }
  cell.write(-0.0);
  EXPECT_EQ(cell, "0");
  EXPECT_FALSE(std::signbit(Val(cell)));
}
