// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/convert.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ui {

namespace {

std::string formatted(double value, int digits) {
  if (value == 0) return "0";  // also for -0
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
  return buffer;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the longest prefix of `s` that forms a decimal number:
// optional sign, digits with at most one point, optional exponent.
std::size_t numberLength(const std::string& s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  std::size_t end = i;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (i < s.size() && isDigit(s[i])) {
      while (i < s.size() && isDigit(s[i])) ++i;
      end = i;
    }
  }
  return end;
}

double parse(const std::string& number) {
  return std::strtod(number.c_str(), nullptr);
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

std::string CStr(double value) { return formatted(value, 15); }
std::string CStrSingle(float value) { return formatted(value, 7); }
std::string CStr(std::int16_t value) { return std::to_string(value); }
std::string CStr(int value) { return std::to_string(value); }

double Val(std::string_view text) {
  std::string packed;
  for (char c : text)
    if (!isBlank(c)) packed += c;
  std::size_t length = numberLength(packed);
  return length == 0 ? 0 : parse(packed.substr(0, length));
}

double CDbl(std::string_view text) {
  std::size_t first = 0, last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  std::string number(text.substr(first, last - first));
  if (number.empty() || numberLength(number) != number.size())
    throw ConversionError("the text " + quoted(text) + " holds no number");
  return parse(number);
}

double CDbl(double value) { return value; }

std::int16_t CInt(double value) {
  double rounded = std::nearbyint(value);  // the default mode rounds halves to even
  if (!(rounded >= -32768 && rounded <= 32767))
    throw ConversionError("the value " + CStr(value) +
                          " does not fit a 16-bit integer");
  return static_cast<std::int16_t>(rounded);
}

std::int16_t CInt(std::string_view text) { return CInt(CDbl(text)); }

double Int(double value) { return std::floor(value); }

}  // namespace ui
