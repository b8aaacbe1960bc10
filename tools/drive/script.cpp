// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/script.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <istream>
#include <ostream>
#include <stdexcept>

#include "chronicle/record.h"
#include "ui/convert.h"
#include "ui/save_game.h"

namespace drive {

namespace {

using ui::Kind;

// A mistake of the script, as opposed to a failure of the game.
struct Error : std::runtime_error {
  using std::runtime_error::runtime_error;
};

long long wholeNumber(const std::string& text, const char* what) {
  long long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range)
    throw Error(std::string(what) + " out of range: " + text);
  if (error != std::errc() || end != text.data() + text.size())
    throw Error(std::string(what) + " must be a whole number: " + text);
  return value;
}

void expect(const std::vector<std::string>& words, std::size_t count, const char* usage) {
  if (words.size() != count) throw Error(std::string("usage: ") + usage);
}

std::string colorText(const ui::Color& color) {
  return color.buttonFace ? "buttonface" : std::to_string(color.rgb);
}

}  // namespace

std::vector<std::string> words(const std::string& line) {
  std::vector<std::string> result;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
      ++i;
      continue;
    }
    std::string word;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) c = line[i++];
        word += c;
      }
      if (!closed) throw std::invalid_argument("unclosed quote");
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
        word += line[i++];
    }
    result.push_back(word);
  }
  return result;
}

Script::Script(ui::Desktop& desktop, std::ostream& out, std::ostream& err)
    : desktop_(desktop), out_(out), err_(err) {
  desktop_.seed(0);
}

int Script::run(std::istream& in) {
  std::string text;
  while (std::getline(in, text))
    if (!line(text)) break;
  return status_;
}

bool Script::line(const std::string& raw) {
  // A script written with CR LF line ends reads like one written with LF.
  const std::string text = raw.ends_with('\r') ? raw.substr(0, raw.size() - 1) : raw;
  // A line of blanks and stray carriage returns is blank: words() drops them too.
  std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos || text[first] == '#') return true;
  try {
    // echo prints the rest of the line as it stands, quotes and blanks included.
    if (text.compare(first, 4, "echo") == 0 &&
        (text.size() == first + 4 || text[first + 4] == ' ' || text[first + 4] == '\t')) {
      out_ << (text.size() > first + 5 ? text.substr(first + 5) : "") << '\n';
      return true;
    }
    std::vector<std::string> w;
    try {
      w = words(text);
    } catch (const std::invalid_argument& error) {
      throw Error(error.what());
    }
    execute(w);
  } catch (const ui::ProgramEnd&) {
  } catch (const Error& error) {
    err_ << "error: " << error.what() << '\n';
    status_ = 2;
    return false;
  } catch (const std::exception& error) {
    // Anything else comes out of the game's own code.
    const std::string& handler = desktop_.failedHandler();
    err_ << "error: " << (handler.empty() ? text.substr(first) : handler) << ": " << error.what()
         << '\n';
    status_ = 3;
    return false;
  }
  if (desktop_.ended()) {
    out_ << "ended" << std::endl;
    return false;
  }
  out_.flush();
  return true;
}

ui::Screen& Script::screen(const std::string& name) {
  ui::SlotBase* slot = desktop_.slot(name);
  if (!slot) throw Error("unknown screen: " + name);
  ui::Screen* screen = nullptr;
  desktop_.run([&] { screen = &slot->reference(); });
  if (!screen) throw Error("the program has ended");
  return *screen;
}

ui::Widget& Script::widget(ui::Screen& screen, const std::string& spec) {
  std::string name = spec;
  int index = -1;
  const std::size_t open = spec.find('(');
  if (open != std::string::npos) {
    if (spec.back() != ')') throw Error("bad widget: " + spec);
    name = spec.substr(0, open);
    long long i = wholeNumber(spec.substr(open + 1, spec.size() - open - 2), "an index");
    if (i < -32768 || i > 32767) throw Error("index out of range: " + spec);
    index = static_cast<int>(i);
  }
  ui::Widget* widget = screen.find(name, index);
  // NAME(-1) names no element: -1 is how a widget outside any array is found.
  if (!widget || (open != std::string::npos && widget->index() < 0))
    throw Error("unknown widget: " + screen.name() + "." + spec);
  return *widget;
}

const chronicle::Record& Script::record() const {
  const chronicle::Record* record = chronicle::recordOf(desktop_.saveParts());
  if (!record) throw Error("this program keeps no record");
  return *record;
}

void Script::execute(const std::vector<std::string>& w) {
  const std::string& command = w[0];
  if (command == "start") {
    expect(w, 1, "start");
    desktop_.run([this] { desktop_.start(); });
  } else if (command == "show") {
    expect(w, 2, "show SCREEN");
    ui::Screen& s = screen(w[1]);
    desktop_.run([&s] { s.show(); });
  } else if (command == "unload") {
    expect(w, 2, "unload SCREEN");
    ui::SlotBase* slot = desktop_.slot(w[1]);
    if (!slot) throw Error("unknown screen: " + w[1]);
    desktop_.run([slot] { slot->unload(); });
  } else if (command == "seed") {
    expect(w, 2, "seed N");
    auto seed = static_cast<std::uint64_t>(wholeNumber(w[1], "a seed"));
    desktop_.seed(seed);
  } else if (command == "rnd") {
    for (std::size_t i = 1; i < w.size(); ++i) {
      double value = 0;
      try {
        value = ui::CDbl(w[i]);
      } catch (const ui::ConversionError& error) {
        throw Error(error.what());
      }
      if (!(value >= 0 && value < 1)) throw Error("a draw must lie in [0, 1): " + w[i]);
      desktop_.random().queue(static_cast<float>(value));
    }
  } else if (command == "click") {
    expect(w, 3, "click SCREEN WIDGET");
    ui::SlotBase* slot = desktop_.slot(w[1]);
    if (!slot) throw Error("unknown screen: " + w[1]);
    // A screen that is not loaded is not shown: nothing to click, and no reason to create it.
    // On a loaded screen the widget must exist; the click itself is ignored unless shown.
    if (!slot->loaded()) return;
    desktop_.click(widget(*slot->loadedScreen(), w[2]));
  } else if (command == "close") {
    expect(w, 2, "close SCREEN");
    ui::SlotBase* slot = desktop_.slot(w[1]);
    if (!slot) throw Error("unknown screen: " + w[1]);
    if (slot->loaded()) desktop_.closeBox(*slot->loadedScreen());
  } else if (command == "tick") {
    expect(w, 2, "tick MS");
    long long ms = wholeNumber(w[1], "a time");
    if (ms < 0) throw Error("time runs forward only: " + w[1]);
    if (ms > desktop_.timeLeft())
      throw Error("the clock would run past its end (" + std::to_string(ui::Desktop::kEndOfTime) +
                  " ms): " + w[1]);
    desktop_.advance(ms);
  } else if (command == "set") {
    expect(w, 4, "set SCREEN WIDGET TEXT");
    ui::Widget& target = widget(screen(w[1]), w[2]);
    if (target.kind() == Kind::Label)
      static_cast<ui::Label&>(target).setCaption(w[3]);
    else if (target.kind() == Kind::Button)
      static_cast<ui::Button&>(target).setCaption(w[3]);
    else if (target.kind() == Kind::Frame)
      static_cast<ui::Frame&>(target).setCaption(w[3]);
    else
      throw Error(w[2] + " has no caption");
  } else if (command == "get") {
    expect(w, 3, "get SCREEN WIDGET");
    ui::Widget& target = widget(screen(w[1]), w[2]);
    if (target.kind() == Kind::Label)
      out_ << static_cast<ui::Label&>(target).caption() << '\n';
    else if (target.kind() == Kind::Button)
      out_ << static_cast<ui::Button&>(target).caption() << '\n';
    else if (target.kind() == Kind::Frame)
      out_ << static_cast<ui::Frame&>(target).caption() << '\n';
    else
      throw Error(w[2] + " has no caption");
  } else if (command == "enabled") {
    expect(w, 3, "enabled SCREEN WIDGET");
    ui::Widget& target = widget(screen(w[1]), w[2]);
    if (target.kind() == Kind::Button)
      out_ << static_cast<ui::Button&>(target).enabled() << '\n';
    else if (target.kind() == Kind::Timer)
      out_ << static_cast<ui::Timer&>(target).enabled() << '\n';
    else
      throw Error(w[2] + " is neither a button nor a timer");
  } else if (command == "visible") {
    expect(w, 3, "visible SCREEN WIDGET");
    out_ << widget(screen(w[1]), w[2]).visible() << '\n';
  } else if (command == "forecolor") {
    expect(w, 3, "forecolor SCREEN WIDGET");
    ui::Widget& target = widget(screen(w[1]), w[2]);
    if (target.kind() != Kind::Label) throw Error(w[2] + " is not a label");
    out_ << colorText(static_cast<ui::Label&>(target).foreColor()) << '\n';
  } else if (command == "picture") {
    expect(w, 3, "picture SCREEN WIDGET");
    ui::Widget& target = widget(screen(w[1]), w[2]);
    std::string picture;
    if (target.kind() == Kind::Image)
      picture = static_cast<ui::Image&>(target).picture();
    else if (target.kind() == Kind::Button)
      picture = static_cast<ui::Button&>(target).picture();
    else
      throw Error(w[2] + " holds no picture");
    out_ << (picture.empty() ? "none" : picture) << '\n';
  } else if (command == "tooltip") {
    expect(w, 3, "tooltip SCREEN WIDGET");
    ui::Widget& target = widget(screen(w[1]), w[2]);
    if (target.kind() != Kind::Button) throw Error(w[2] + " is not a button");
    out_ << static_cast<ui::Button&>(target).design().tooltip << '\n';
  } else if (command == "loaded" || command == "shown") {
    expect(w, 2, "loaded|shown SCREEN");
    ui::SlotBase* slot = desktop_.slot(w[1]);
    if (!slot) throw Error("unknown screen: " + w[1]);
    out_ << (command == "loaded" ? slot->loaded() : slot->shown()) << '\n';
  } else if (command == "save" || command == "load") {
    expect(w, 2, "save|load PATH");
    try {
      if (command == "save")
        ui::saveGameFile(desktop_, w[1]);
      else
        ui::loadGameFile(desktop_, w[1]);
    } catch (const ui::SaveError& error) {
      throw Error(w[1] + ": " + error.what());
    }
  } else if (command == "now") {
    expect(w, 1, "now");
    out_ << desktop_.now() << '\n';
  } else if (command == "history") {
    expect(w, 1, "history");
    for (const chronicle::Month& month : record().months()) {
      out_ << month.date.year << ' ' << month.date.month;
      for (int held : month.territories) out_ << ' ' << held;
      out_ << '\n';
    }
  } else if (command == "messages") {
    expect(w, 2, "messages N");
    const long long count = wholeNumber(w[1], "a count");
    if (count < 0) throw Error("a count of no less than 0: " + w[1]);
    const auto& events = record().events();
    const std::size_t last = std::min<std::size_t>(events.size(), static_cast<std::size_t>(count));
    for (auto e = events.end() - static_cast<std::ptrdiff_t>(last); e != events.end(); ++e)
      out_ << e->date.year << ' ' << e->date.month << ' ' << e->describe() << '\n';
  } else {
    throw Error("unknown command: " + command);
  }
}

}  // namespace drive
