// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/convert.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ostream>

namespace ui {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The value for a message: "Inf" and "NaN" have no text of their own.
std::string named(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
  return CStr(value);
}

void requireFinite(double value) {
  if (!std::isfinite(value))
    throw ConversionError("the value " + named(value) + " is not a finite number");
}

// Whole values of no more digits than printf's %G keeps come out there as
// their plain digits, so they are written directly.
bool wholeOfUpTo(double value, double limit) {
  return value == std::trunc(value) && std::abs(value) < limit;
}

// The digits of a whole value that wholeOfUpTo admits; -0 is "0".
std::string_view wholeDigits(double value, char (&buffer)[24]) {
  char* end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(value)).ptr;
  return {buffer, end};
}

// Up to `digits` significant digits, as printf's %G writes them.
std::string formatted(double value, int digits, double wholeLimit) {
  requireFinite(value);
  if (wholeOfUpTo(value, wholeLimit)) {
    char buffer[24];
    return std::string(wholeDigits(value, buffer));
  }
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
  return buffer;
}

// The length of the longest prefix of `s` that forms a decimal number:
// optional sign, digits with at most one point, optional exponent.
std::size_t numberLength(std::string_view s) {
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

// A number as numberLength delimits it. One beyond the range of a double
// raises the conversion error rather than reading as infinity.
double parse(std::string_view number, std::string_view text) {
  double value = std::strtod(std::string(number).c_str(), nullptr);
  if (std::isinf(value))
    throw ConversionError("the text " + quoted(text) +
                          " holds a number beyond the range of a double");
  return value;
}

// The text as a sign and up to 15 digits, the way the game writes whole
// numbers: exact in a double, so read without strtod. False for any other text.
bool wholeNumber(std::string_view text, double& value) {
  std::size_t i = !text.empty() && (text[0] == '-' || text[0] == '+');
  if (text.size() == i || text.size() - i > 15) return false;
  std::int64_t n = 0;
  for (; i < text.size(); ++i) {
    if (!isDigit(text[i])) return false;
    n = n * 10 + (text[i] - '0');
  }
  value = text[0] == '-' ? -static_cast<double>(n) : static_cast<double>(n);
  return true;
}

}  // namespace

std::string CStr(double value) { return formatted(value, 15, 1e15); }
std::string CStrSingle(float value) { return formatted(value, 7, 1e7); }
std::string CStr(std::int16_t value) { return std::to_string(value); }
std::string CStr(int value) { return std::to_string(value); }

double Val(std::string_view text) {
  double value;
  if (wholeNumber(text, value)) return value;
  std::string packed;
  for (char c : text)
    if (!isBlank(c)) packed += c;
  std::size_t length = numberLength(packed);
  return length == 0 ? 0 : parse(std::string_view(packed).substr(0, length), text);
}

double CDbl(std::string_view text) {
  std::size_t first = 0, last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  std::string_view number = text.substr(first, last - first);
  if (number.empty() || numberLength(number) != number.size())
    throw ConversionError("the text " + quoted(text) + " holds no number");
  return parse(number, text);
}

double CDbl(double value) {
  requireFinite(value);
  return value;
}

std::int16_t CInt(double value) {
  double rounded = std::nearbyint(value);  // the default mode rounds halves to even
  if (!(rounded >= -32768 && rounded <= 32767))
    throw ConversionError("the value " + named(value) + " does not fit a 16-bit integer");
  return static_cast<std::int16_t>(rounded);
}

std::int16_t CInt(std::string_view text) { return CInt(CDbl(text)); }

void TextCell::write(double number) {
  if (!wholeOfUpTo(number, 1e15)) return write(CStr(number));
  // The digits are CStr's, written in place; up to 15 of them read back as
  // exactly the number (0 for -0).
  char buffer[24];
  text_.assign(wholeDigits(number, buffer));
  value_ = number == 0 ? 0 : number;
  read_ = true;
}

std::ostream& operator<<(std::ostream& out, const TextCell& cell) { return out << cell.text_; }

double Int(double value) {
  requireFinite(value);
  return std::floor(value);
}

}  // namespace ui
