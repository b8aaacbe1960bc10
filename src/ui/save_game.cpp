// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/save_game.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace ui {

namespace {

constexpr std::string_view kMagic = "gunsei-save ";
constexpr std::string_view kCheck = "check ";

// ---- Writing -------------------------------------------------------------

// The length of the well-formed UTF-8 sequence at the start of `s`, or 0.
std::size_t utf8Length(std::string_view s) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(0);
  std::size_t length;
  unsigned char low = 0x80, high = 0xbf;  // the range of the second byte
  if (lead < 0x80) return 1;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    if (lead == 0xe0) low = 0xa0;
    if (lead == 0xed) high = 0x9f;  // no surrogates
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    if (lead == 0xf0) low = 0x90;
    if (lead == 0xf4) high = 0x8f;
  } else {
    return 0;
  }
  if (s.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xbf) return 0;
  return length;
}

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7f; }

// A text on one line of UTF-8: \\, \n, \r, and \xHH for any other control
// character or byte that is not part of well-formed UTF-8.
std::string escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const std::size_t length = isControl(c) ? 0 : utf8Length(text.substr(i));
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (length == 0) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out.append(text.substr(i, length));
      i += length;
      continue;
    }
    ++i;
  }
  return out;
}

std::string colorText(const Color& color) {
  return color.buttonFace ? "buttonface" : std::to_string(color.rgb);
}

// A float as the shortest decimal that reads back as exactly it.
std::string floatText(float value) {
  char buffer[32];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

class Writer {
 public:
  void line(std::string_view item) {
    text_.append(item);
    text_ += '\n';
  }
  // `item widget value`, the value escaped.
  void property(std::string_view item, const Widget& widget, std::string_view value) {
    text_.append(item);
    text_ += ' ';
    text_ += widget.fullName();
    text_ += ' ';
    text_ += escaped(value);
    text_ += '\n';
  }
  void flag(std::string_view item, const Widget& widget, bool value) {
    property(item, widget, value ? "1" : "0");
  }
  std::string finish() {
    const std::string check = saveCheck(text_);
    text_.append(kCheck);
    text_ += check;
    text_ += '\n';
    return std::move(text_);
  }

 private:
  std::string text_;
};

// Writes what of the widget differs from its design.
void writeWidget(Writer& out, const Widget& widget) {
  bool designVisible = true;
  switch (widget.kind()) {
    case Kind::Label: {
      const auto& label = static_cast<const Label&>(widget);
      const LabelDesign& design = label.design();
      if (label.caption().text() != design.caption)
        out.property("caption", widget, label.caption().text());
      if (label.foreColor() != design.fore)
        out.property("fore", widget, colorText(label.foreColor()));
      designVisible = design.visible;
      break;
    }
    case Kind::Button: {
      const auto& button = static_cast<const Button&>(widget);
      const ButtonDesign& design = button.design();
      if (button.caption() != design.caption) out.property("caption", widget, button.caption());
      if (button.picture() != design.picture) out.property("picture", widget, button.picture());
      if (button.enabled() != design.enabled) out.flag("enabled", widget, button.enabled());
      designVisible = design.visible;
      break;
    }
    case Kind::Image: {
      const auto& image = static_cast<const Image&>(widget);
      if (image.picture() != image.design().picture)
        out.property("picture", widget, image.picture());
      designVisible = image.design().visible;
      break;
    }
    case Kind::Frame: {
      const auto& frame = static_cast<const Frame&>(widget);
      if (frame.caption() != frame.design().caption)
        out.property("caption", widget, frame.caption());
      designVisible = frame.design().visible;
      break;
    }
    case Kind::Line:
      designVisible = static_cast<const Line&>(widget).design().visible;
      break;
    case Kind::Shape:
      designVisible = static_cast<const Shape&>(widget).design().visible;
      break;
    case Kind::Timer: {
      const auto& timer = static_cast<const Timer&>(widget);
      std::string state = timer.enabled() ? "1" : "0";
      if (timer.armed()) state += " " + std::to_string(timer.due());
      out.property("timer", widget, state);
      return;
    }
  }
  if (widget.visible() != designVisible) out.flag("visible", widget, widget.visible());
}

// ---- Reading -------------------------------------------------------------

std::uint64_t fnv1a(std::string_view text) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

// What a file of an older format needs to read as the current one: entry N-1
// turns the lines of format N into those of format N+1. Format 1 is the first.
using Migration = std::function<void(std::vector<std::string>& lines)>;
const std::vector<Migration>& migrations() {
  static const std::vector<Migration> steps;
  return steps;
}

template <class Number>
bool parseNumber(std::string_view text, Number& value) {
  if (text.empty() || text[0] == '+') return false;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

// The file's lines, read one by one; every message names the line.
class Reader {
 public:
  explicit Reader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  [[noreturn]] void fail(const std::string& what) const {
    // The line just taken; the first line of the file is not among lines_.
    throw SaveError("line " + std::to_string(at_ + 1) + ": " + what);
  }
  bool done() const { return at_ >= lines_.size(); }
  // The next line's first word, without taking the line.
  std::string_view peek() const {
    if (done()) return {};
    std::string_view line = lines_[at_];
    return line.substr(0, line.find(' '));
  }
  // The next line, which must start with `item` and a blank; returns the rest.
  std::string_view take(std::string_view item) {
    if (done()) throw SaveError("the file ends where " + std::string(item) + " was expected");
    std::string_view line = lines_[at_++];
    if (!line.starts_with(item) || line.size() <= item.size() || line[item.size()] != ' ')
      fail(std::string(item) + " expected");
    return line.substr(item.size() + 1);
  }
  // The next line as it stands.
  std::string_view raw() {
    if (done()) throw SaveError("the file ends inside a part");
    return lines_[at_++];
  }
  // Splits off the first word of `rest`.
  std::string_view word(std::string_view& rest, const char* what) const {
    const std::size_t blank = rest.find(' ');
    std::string_view first = rest.substr(0, blank);
    if (first.empty()) fail(std::string(what) + " missing");
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    return first;
  }
  void none(std::string_view rest) const {
    if (!rest.empty()) fail("more than expected: " + std::string(rest));
  }
  template <class Number>
  Number number(std::string_view text, Number low, Number high, const std::string& what) const {
    Number value{};
    if (!parseNumber(text, value)) fail(what + " is not a number: " + std::string(text));
    if (!(value >= low && value <= high)) fail(what + " out of range: " + std::string(text));
    return value;
  }
  bool flag(std::string_view text, const char* what) const {
    if (text == "0") return false;
    if (text == "1") return true;
    fail(std::string(what) + " must be 0 or 1: " + std::string(text));
  }
  std::string unescaped(std::string_view text) const {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] != '\\') {
        out += text[i];
        continue;
      }
      const char next = i + 1 < text.size() ? text[i + 1] : '\0';
      if (next == '\\' || next == 'n' || next == 'r') {
        out += next == '\\' ? '\\' : next == 'n' ? '\n' : '\r';
        ++i;
      } else if (std::uint8_t byte = 0;
                 next == 'x' && i + 3 < text.size() &&
                 std::from_chars(text.data() + i + 2, text.data() + i + 4, byte, 16).ptr ==
                     text.data() + i + 4) {
        out += static_cast<char>(byte);
        i += 3;
      } else {
        fail("a bad escape in " + std::string(text));
      }
    }
    return out;
  }

 private:
  std::vector<std::string> lines_;
  std::size_t at_ = 0;
};

// Splits the text into lines after checking the whole of it: its size, its
// first line, its format, its check, and that it is UTF-8 text.
std::vector<std::string> checkedLines(std::string_view text) {
  if (text.size() > kSaveLimit)
    throw SaveError("too large for a saved game (" + std::to_string(text.size()) +
                    " bytes, at most " + std::to_string(kSaveLimit) + ")");
  const std::size_t firstEnd = text.find('\n');
  std::string_view first = text.substr(0, firstEnd);
  int format = 0;
  if (!first.starts_with(kMagic) || !parseNumber(first.substr(kMagic.size()), format) || format < 1)
    throw SaveError("not a saved game of 群星の年代記");
  if (format > kSaveFormat)
    throw SaveError("saved by a newer version of the game (format " + std::to_string(format) +
                    "; this one reads up to " + std::to_string(kSaveFormat) + ")");
  if (text.empty() || text.back() != '\n') throw SaveError("truncated: its last line is cut off");
  const std::size_t lastStart = text.rfind('\n', text.size() - 2) + 1;
  std::string_view last = text.substr(lastStart, text.size() - 1 - lastStart);
  if (lastStart == 0 || !last.starts_with(kCheck))
    throw SaveError("truncated: the check at its end is missing");
  if (last.substr(kCheck.size()) != saveCheck(text.substr(0, lastStart)))
    throw SaveError("damaged or altered: its check does not match its contents");

  std::vector<std::string> lines;
  std::size_t start = firstEnd + 1;
  while (start < lastStart) {
    const std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end - start);
    for (std::size_t i = 0; i < line.size();) {
      const unsigned char c = static_cast<unsigned char>(line[i]);
      const std::size_t length = isControl(c) ? 0 : utf8Length(line.substr(i));
      if (length == 0)
        throw SaveError("line " + std::to_string(lines.size() + 2) + ": not UTF-8 text");
      i += length;
    }
    lines.emplace_back(line);
    start = end + 1;
  }
  for (int version = format; version < kSaveFormat; ++version)
    migrations()[static_cast<std::size_t>(version - 1)](lines);
  return lines;
}

class Loader {
 public:
  Loader(Desktop& desktop, std::vector<std::string> lines)
      : desktop_(desktop), in_(std::move(lines)) {}

  // The parts' lines, by heading, once read.
  const std::map<std::string, std::vector<std::string>>& parts() const { return parts_; }

  // Reads the whole file; returns what puts it in force.
  std::function<void()> read() {
    in_.take("game");  // any version of the game that wrote this format
    const std::int64_t now =
        in_.number<std::int64_t>(in_.take("clock"), 0, Desktop::kEndOfTime, "the clock");
    const bool ended = in_.flag(in_.take("ended"), "ended");
    Random::State random = readRandom();
    std::vector<std::unique_ptr<Screen>> screens(desktop_.slots().size());
    while (in_.peek() == "screen") readScreen(now, screens);
    if (ended && std::any_of(screens.begin(), screens.end(), [](auto& s) { return bool(s); }))
      in_.fail("an ended game has no screens");
    std::map<std::string, std::vector<std::string>> parts;
    while (in_.peek() == "part") readPart(parts);
    if (!in_.done()) {
      const std::string item(in_.peek());
      in_.raw();
      in_.fail("unknown item: " + item);
    }
    checkPictures();
    parts_ = parts;

    // Each part checks its lines now and is put in force after the screens.
    std::vector<std::function<void()>> applies;
    for (SavePart* part : desktop_.saveParts()) {
      auto found = parts.find(part->partName());
      try {
        applies.push_back(
            part->readLines(found == parts.end() ? std::vector<std::string>() : found->second));
      } catch (const std::runtime_error& error) {
        throw SaveError("the part " + part->partName() + ": " + error.what());
      }
    }
    auto shared = std::make_shared<std::vector<std::unique_ptr<Screen>>>(std::move(screens));
    return [this, now, ended, random, shared, applies]() mutable {
      desktop_.restore(now, ended, std::move(random), std::move(*shared));
      for (auto& apply : applies)
        if (apply) apply();
    };
  }

 private:
  Random::State readRandom() {
    Random::State random;
    std::string_view rest = in_.take("random");
    random.state =
        in_.number<std::uint64_t>(in_.word(rest, "the state"), 0, UINT64_MAX, "the random state");
    std::string_view kind = in_.word(rest, "fixed or wall");
    if (kind == "fixed") {
      random.fixed = true;
      random.seed =
          in_.number<std::uint64_t>(in_.word(rest, "the seed"), 0, UINT64_MAX, "the seed");
    } else if (kind != "wall") {
      in_.fail("the random source must be fixed or wall: " + std::string(kind));
    }
    in_.none(rest);
    while (in_.peek() == "draw") {
      std::string_view text = in_.take("draw");
      float value = in_.number<float>(text, 0.0f, 1.0f, "a draw");
      if (value >= 1.0f) in_.fail("a draw must lie in [0, 1): " + std::string(text));
      random.queued.push_back(value);
    }
    return random;
  }

  void readScreen(std::int64_t now, std::vector<std::unique_ptr<Screen>>& screens) {
    std::string_view rest = in_.take("screen");
    const std::string name(in_.word(rest, "the screen's name"));
    const auto& slots = desktop_.slots();
    std::size_t index = 0;
    while (index < slots.size() && slots[index]->name() != name) ++index;
    if (index == slots.size()) in_.fail("unknown screen: " + name);
    if (screens[index]) in_.fail("the screen " + name + " twice");
    std::string_view state = in_.word(rest, "shown or hidden");
    if (state != "shown" && state != "hidden")
      in_.fail("a screen is shown or hidden: " + std::string(state));
    const bool visible = state == "shown";
    const int shows = in_.number<int>(in_.word(rest, "the shows"), visible ? 1 : 0, INT32_MAX,
                                      "the number of shows");
    in_.none(rest);
    std::unique_ptr<Screen> screen = slots[index]->build();
    screen->restoreShown(visible, shows);
    for (Timer* timer : screen->timers()) timer->restore(false, 0);
    static const std::string_view kItems[] = {"caption", "fore",    "picture",
                                              "enabled", "visible", "timer"};
    while (std::find(std::begin(kItems), std::end(kItems), in_.peek()) != std::end(kItems))
      readProperty(*screen, now);
    screens[index] = std::move(screen);
  }

  void readProperty(Screen& screen, std::int64_t now) {
    const std::string item(in_.peek());
    std::string_view rest = in_.take(item);
    const std::size_t blank = rest.find(' ');
    if (blank == std::string_view::npos) in_.fail(item + " without a widget and a value");
    const std::string_view name = rest.substr(0, blank);
    const std::string_view value = rest.substr(blank + 1);
    Widget& widget = find(screen, name);
    const Kind kind = widget.kind();
    const std::string what = screen.name() + "." + std::string(name);
    if (item == "caption") {
      std::string text = in_.unescaped(value);
      if (kind == Kind::Label)
        static_cast<Label&>(widget).setCaption(std::move(text));
      else if (kind == Kind::Button)
        static_cast<Button&>(widget).setCaption(std::move(text));
      else if (kind == Kind::Frame)
        static_cast<Frame&>(widget).setCaption(std::move(text));
      else
        in_.fail(what + " has no caption");
    } else if (item == "fore") {
      if (kind != Kind::Label) in_.fail(what + " has no fore colour");
      Color color = Color::ButtonFace();
      if (value != "buttonface")
        color = {in_.number<std::uint32_t>(value, 0, kWhite, "a colour"), false};
      static_cast<Label&>(widget).setForeColor(color);
    } else if (item == "picture") {
      std::string picture = in_.unescaped(value);
      if (kind == Kind::Button)
        static_cast<Button&>(widget).setPicture(picture);
      else if (kind == Kind::Image)
        static_cast<Image&>(widget).setPicture(picture);
      else
        in_.fail(what + " holds no picture");
      if (!picture.empty()) pictures_.push_back({picture, what});
    } else if (item == "enabled") {
      if (kind != Kind::Button) in_.fail(what + " is not a button");
      static_cast<Button&>(widget).setEnabled(in_.flag(value, "enabled"));
    } else if (item == "visible") {
      if (kind == Kind::Timer) in_.fail(what + " is a timer");
      widget.setVisible(in_.flag(value, "visible"));
    } else {
      if (kind != Kind::Timer) in_.fail(what + " is not a timer");
      auto& timer = static_cast<Timer&>(widget);
      std::string_view rest = value;
      const bool enabled = in_.flag(in_.word(rest, "enabled"), "enabled");
      std::int64_t due = 0;
      if (enabled && timer.interval() > 0) {
        // Between events every running timer falls due after now and at
        // most one interval ahead.
        due = in_.number<std::int64_t>(in_.word(rest, "the due moment"), now + 1,
                                       now + timer.interval(), "the due moment of " + what);
      }
      in_.none(rest);
      timer.restore(enabled, due);
    }
  }

  Widget& find(const Screen& screen, std::string_view name) {
    std::string_view base = name;
    int index = -1;
    if (const std::size_t open = name.find('('); open != std::string_view::npos) {
      base = name.substr(0, open);
      std::string_view digits = name.substr(open + 1);
      if (!digits.ends_with(')') || !parseNumber(digits.substr(0, digits.size() - 1), index) ||
          index < 0)
        in_.fail("a bad widget name: " + std::string(name));
    }
    Widget* widget = screen.find(base, index);
    if (!widget || widget->fullName() != name)
      in_.fail("unknown widget: " + screen.name() + "." + std::string(name));
    return *widget;
  }

  void readPart(std::map<std::string, std::vector<std::string>>& parts) {
    std::string_view rest = in_.take("part");
    const std::string name(in_.word(rest, "the part's name"));
    const std::size_t count =
        in_.number<std::size_t>(in_.word(rest, "its number of lines"), 0, kSaveLimit, "lines");
    in_.none(rest);
    if (parts.count(name)) in_.fail("the part " + name + " twice");
    std::vector<std::string>& lines = parts[name];
    for (std::size_t i = 0; i < count; ++i) lines.push_back(in_.unescaped(in_.raw()));
  }

  // A picture is named by the widget that holds it at design time.
  void checkPictures() {
    const auto& slots = desktop_.slots();
    std::map<std::string, std::unique_ptr<Screen>> built;
    for (const auto& [picture, holder] : pictures_) {
      const std::size_t dot = picture.find('.');
      const std::string screenName = picture.substr(0, dot);
      const Screen* screen = nullptr;
      for (std::size_t i = 0; i < slots.size() && dot != std::string::npos; ++i)
        if (slots[i]->name() == screenName) {
          auto& fresh = built[screenName];
          if (!fresh) fresh = slots[i]->build();
          screen = fresh.get();
        }
      const Widget* widget = nullptr;
      if (screen)
        for (const Widget* candidate : screen->widgets())
          if (candidate->fullName() == picture.substr(dot + 1)) widget = candidate;
      std::string design;
      if (widget && widget->kind() == Kind::Image)
        design = static_cast<const Image*>(widget)->design().picture;
      if (widget && widget->kind() == Kind::Button)
        design = static_cast<const Button*>(widget)->design().picture;
      if (design != picture) throw SaveError("unknown picture " + picture + " in " + holder);
    }
  }

 private:
  Desktop& desktop_;
  Reader in_;
  std::map<std::string, std::vector<std::string>> parts_;
  struct Picture {
    std::string name, holder;
  };
  std::vector<Picture> pictures_;
};

}  // namespace

std::string saveCheck(std::string_view text) {
  char buffer[17];
  std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(fnv1a(text)));
  return buffer;
}

std::string saveGame(const Desktop& desktop) {
  Writer out;
  out.line(std::string(kMagic) + std::to_string(kSaveFormat));
  out.line("game " GUNSEI_VERSION);
  out.line("clock " + std::to_string(desktop.now()));
  out.line(desktop.ended() ? "ended 1" : "ended 0");
  const Random::State random = desktop.random().state();
  out.line("random " + std::to_string(random.state) +
           (random.fixed ? " fixed " + std::to_string(random.seed) : " wall"));
  for (float draw : random.queued) out.line("draw " + floatText(draw));
  for (const SlotBase* slot : desktop.slots()) {
    const Screen* screen = slot->loadedScreen();
    if (!screen) continue;
    out.line("screen " + slot->name() + (screen->visible() ? " shown " : " hidden ") +
             std::to_string(screen->shows()));
    for (const Widget* widget : screen->widgets()) writeWidget(out, *widget);
  }
  for (const SavePart* part : desktop.saveParts()) {
    const std::vector<std::string> lines = part->saveLines();
    out.line("part " + part->partName() + " " + std::to_string(lines.size()));
    for (const std::string& line : lines) out.line(escaped(line));
  }
  return out.finish();
}

std::vector<std::string> readSavePart(Desktop& desktop, std::string_view text,
                                      const std::string& part) {
  Loader loader(desktop, checkedLines(text));
  loader.read();
  auto found = loader.parts().find(part);
  return found == loader.parts().end() ? std::vector<std::string>() : found->second;
}

void loadGame(Desktop& desktop, std::string_view text) {
  Loader loader(desktop, checkedLines(text));
  std::function<void()> apply = loader.read();
  apply();
}

std::string readSaveFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw SaveError("cannot be read");
  std::string text(kSaveLimit + 1, '\0');
  file.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (file.bad()) throw SaveError("cannot be read");
  text.resize(static_cast<std::size_t>(file.gcount()));
  if (text.size() > kSaveLimit)
    throw SaveError("too large for a saved game (more than " + std::to_string(kSaveLimit) +
                    " bytes)");
  return text;
}

void loadGameFile(Desktop& desktop, const std::string& path) {
  loadGame(desktop, readSaveFile(path));
}

void saveGameFile(const Desktop& desktop, const std::string& path) {
  const std::string text = saveGame(desktop);
  const std::string temporary = path + ".part";
  const auto failed = [&](const char* what) {
    const std::string reason = std::string(what) + ": " + std::strerror(errno);
    ::unlink(temporary.c_str());
    throw SaveError(reason);
  };
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) failed("cannot be written");
  for (std::size_t done = 0; done < text.size();) {
    const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      ::close(fd);
      failed("cannot be written");
    }
    done += static_cast<std::size_t>(written);
  }
  if (::fsync(fd) != 0) {
    ::close(fd);
    failed("cannot be written");
  }
  if (::close(fd) != 0) failed("cannot be written");
  if (::rename(temporary.c_str(), path.c_str()) != 0) failed("cannot be replaced");
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) folder = ".";
  if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

}  // namespace ui
