// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The conversions between the numbers of the game and the texts of its
// captions. Every value the game keeps lives in a caption, so these decide
// what the player sees and how values round.

#include <cstdint>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ui {

// Raised by CInt and CDbl on a text that holds no number, by CInt on a value
// outside its range, by Val and CDbl on a number beyond the range of a double
// (never read as infinity), and by every conversion given infinity or NaN, so
// neither ever reaches a caption; the message names the value.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A double as text: up to 15 significant digits, no leading blank, "-" for
// negatives, no point for whole values, the leading zero of a fraction kept.
// Whole values of up to 15 digits are written without printf.
std::string CStr(double value);
// A single-precision value (Rnd scaled) as text: up to 7 significant digits.
std::string CStrSingle(float value);
std::string CStr(std::int16_t value);
std::string CStr(int value);

// The longest leading decimal number of the text, blanks, tabs and line feeds
// ignored anywhere; 0 when there is none. A sign and up to 15 digits, the
// way whole numbers are written, are read without strtod.
double Val(std::string_view text);
// The number the whole text holds (blanks around it allowed).
double CDbl(std::string_view text);
double CDbl(double value);
// To a 16-bit integer, halves rounded to the even neighbour.
std::int16_t CInt(double value);
std::int16_t CInt(std::string_view text);
// The largest whole number not greater than the value.
double Int(double value);

// A caption's text that keeps Val of itself, so the table values the game
// reads every tick cost no parsing. The text stays the value: the kept number
// is always exactly Val of the text, worked out at the first read (where any
// error of Val is raised) or known when a whole number is written. Only its
// label writes it; everyone else reads the text as it stands.
class TextCell {
 public:
  TextCell() = default;
  explicit TextCell(std::string text) : text_(std::move(text)) {}

  void write(std::string text) {
    text_ = std::move(text);
    read_ = false;
  }
  // CStr of the number.
  void write(double number);

  const std::string& text() const { return text_; }
  operator const std::string&() const { return text_; }
  operator std::string_view() const { return text_; }
  bool empty() const { return text_.empty(); }
  std::size_t size() const { return text_.size(); }

  friend bool operator==(const TextCell& a, const TextCell& b) { return a.text_ == b.text_; }
  friend bool operator==(const TextCell& a, std::string_view b) { return a.text_ == b; }
  friend std::string operator+(const TextCell& a, std::string_view b) {
    return a.text_ + std::string(b);
  }
  friend std::string operator+(std::string_view a, const TextCell& b) {
    return std::string(a) + b.text_;
  }
  friend std::ostream& operator<<(std::ostream& out, const TextCell& cell);

 private:
  friend double Val(const TextCell& cell);

  std::string text_;
  mutable double value_ = 0;
  mutable bool read_ = false;
};

inline double Val(const TextCell& cell) {
  if (!cell.read_) {
    cell.value_ = Val(std::string_view(cell.text_));
    cell.read_ = true;
  }
  return cell.value_;
}

}  // namespace ui
