// SPDX-License-Identifier: GPL-3.0-or-later
#include "chronicle/record.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "screens/program.h"
#include "ui/convert.h"

namespace chronicle {

namespace {

// A caption's value as a whole number of the record; 0 for one beyond an int.
int whole(const ui::TextCell& caption) {
  const double value = ui::Val(caption);
  return std::isfinite(value) && std::abs(value) < INT_MAX ? static_cast<int>(value) : 0;
}

// The banners every step writes, which tell nothing that happened.
bool banner(const std::string& status) {
  return status == "あなたのターンです" || status.ends_with("イベントターン中･･･") ||
         status.ends_with("コマンドターン中･･･");
}

std::string territoryName(int i) {
  return i >= 0 && i < world::kTerritories ? world::kTerritoryStart[i].name : "（不明）";
}

std::string nationName(int j) {
  return j >= 0 && j < world::kNations ? world::kNationStart[j].name : "（不明）";
}

std::array<std::uint8_t, world::kNations> counts(
    const std::array<int, world::kTerritories>& rulers) {
  std::array<std::uint8_t, world::kNations> held{};
  for (int ruler : rulers)
    if (ruler >= 0) ++held[ruler];
  return held;
}

// The words of a saved line, split at blanks; with `most`, the last word is
// the rest of the line, blanks and all.
std::vector<std::string_view> split(std::string_view line, std::size_t most = SIZE_MAX) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (true) {
    const std::size_t blank = words.size() + 1 < most ? line.find(' ', at) : std::string_view::npos;
    if (blank == std::string_view::npos) {
      words.push_back(line.substr(at));
      return words;
    }
    words.push_back(line.substr(at, blank - at));
    at = blank + 1;
  }
}

int number(std::string_view word, long long low, long long high) {
  long long value = 0;
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size() || value < low || value > high)
    throw std::runtime_error("not a number from " + std::to_string(low) + " to " +
                             std::to_string(high) + ": \"" + std::string(word) + "\"");
  return static_cast<int>(value);
}

constexpr int kNoNation = -1;

}  // namespace

std::string Event::describe() const {
  switch (kind) {
    case Kind::Attack:
      return nationName(nation) + "の" + territoryName(from) + "が" + nationName(other) + "の" +
             territoryName(to) + "に攻め込んだ（兵士" + std::to_string(soldiers) + "）：" +
             (fell ? "落城" : "撃退");
    case Kind::Change:
      return territoryName(to) + "が" + nationName(other) + "から" + nationName(nation) +
             "の手に渡った";
    case Kind::Fall:
      return nationName(nation) + "は最後の領土を失い滅亡した";
    case Kind::Message:
      return text;
  }
  return text;
}

Record::Record(Program& program) : program_(program) {
  program_.addSavePart(this);
  program_.setAfterEvent([this] { observe(); });
}

Record::~Record() {
  program_.setAfterEvent(nullptr);
  program_.removeSavePart(this);
}

Record::Seen Record::look() const {
  Seen now;
  const MainScreen* ma1 = program_.ma1.get();
  if (!ma1) return now;
  now.date = Date{whole(ma1->Label10.caption()), whole(ma1->Label13.caption())};
  now.status = ma1->Label33.caption();
  now.player = world::nationIndex(ui::Val(ma1->mm.caption()));
  const TerritoryEconomy* da2 = program_.da2.get();
  if (!da2) return now;
  std::array<int, world::kTerritories> rulers{};
  // The values the cells keep, read without parsing their texts again.
  for (int i = 0; i < world::kTerritories; ++i)
    rulers[i] = world::nationIndex(ui::Val(da2->m(i).caption()));
  now.rulers = rulers;

  // The fight on the battle or siege screen, from the hand-off it read: the
  // screens' own soldiers count down as it goes.
  int from = -1, to = -1, soldiers = 0;
  if (const BattleScreen* ma2 = program_.ma2.get()) {
    now.fight = ma2->serial();
    from = ma2->source();
    to = ma2->target();
    const AttackConfirmation* ma4 = program_.ma4.get();
    soldiers =
        ma2->attackBattle() ? (ma4 ? whole(ma4->Label10.caption()) : 0) : whole(ma1->t.caption());
  } else if (const SiegeScreen* ma5 = program_.ma5.get()) {
    now.fight = ma5->serial();
    from = world::territoryIndex(ma1->count1.caption());
    to = world::territoryIndex(ma1->ai.caption());
    soldiers = whole(ma1->t.caption());
  }
  if (from < 0 || to < 0) {
    now.fight = 0;
    return now;
  }
  now.attack.kind = Event::Kind::Attack;
  now.attack.from = static_cast<std::int8_t>(from);
  now.attack.to = static_cast<std::int8_t>(to);
  now.attack.nation = static_cast<std::int8_t>(rulers[from]);
  now.attack.other = static_cast<std::int8_t>(rulers[to]);
  now.attack.soldiers = std::max(0, soldiers);
  return now;
}

void Record::observe() {
  Seen now = look();
  const Date date = now.date.value_or(Date{});
  const std::uint64_t before = revision_;

  // The calendar moved on: the month it showed has closed.
  const bool closed = seen_.date && now.date && *now.date != *seen_.date;
  if (closed) {
    Month month{*seen_.date};
    if (now.rulers) month.territories = counts(*now.rulers);
    months_.push_back(month);
    ++revision_;
  }

  // A fight that has ended: its target fell when it has another ruler now.
  if (seen_.fight && seen_.fight != now.fight) {
    Event attack = seen_.attack;
    attack.date = date;
    attack.fell = now.rulers && (*now.rulers)[attack.to] != attack.other;
    add(attack);
  }

  if (seen_.rulers && now.rulers) {
    const auto& was = *seen_.rulers;
    const auto& is = *now.rulers;
    for (int i = 0; i < world::kTerritories; ++i)
      if (was[i] != is[i])
        add({.date = date,
             .kind = Event::Kind::Change,
             .to = static_cast<std::int8_t>(i),
             .nation = static_cast<std::int8_t>(is[i]),
             .other = static_cast<std::int8_t>(was[i])});
    const auto held = counts(was), holds = counts(is);
    for (int j = 0; j < world::kNations; ++j)
      if (held[j] > 0 && holds[j] == 0)
        add({.date = date, .kind = Event::Kind::Fall, .nation = static_cast<std::int8_t>(j)});
  }

  // A new message on the status line; the date the month's close writes is
  // the month itself, not a message.
  if (seen_.status && now.status && *now.status != *seen_.status && !closed &&
      !banner(*now.status)) {
    std::string text = *now.status;
    for (char& c : text)
      if (c == '\n' || c == '\r') c = ' ';
    add({.date = date,
         .kind = Event::Kind::Message,
         .nation = static_cast<std::int8_t>(now.player),
         .text = std::move(text)});
  }

  seen_ = std::move(now);
  if (revision_ != before) added();
}

void Record::add(Event event) {
  events_.push_back(std::move(event));
  ++revision_;
}

void Record::added() {
  if (listener_) listener_();
}

std::vector<std::string> Record::saveLines() const {
  std::vector<std::string> lines;
  lines.reserve(months_.size() + events_.size());
  const auto dated = [](const char* kind, const Date& date) {
    return std::string(kind) + " " + std::to_string(date.year) + " " + std::to_string(date.month);
  };
  for (const Month& month : months_) {
    std::string line = dated("month", month.date);
    for (int held : month.territories) line += " " + std::to_string(held);
    lines.push_back(std::move(line));
  }
  for (const Event& e : events_) {
    std::string line;
    switch (e.kind) {
      case Event::Kind::Attack:
        line = dated("attack", e.date) + " " + std::to_string(e.from) + " " + std::to_string(e.to) +
               " " + std::to_string(e.nation) + " " + std::to_string(e.other) + " " +
               std::to_string(e.soldiers) + " " + (e.fell ? "fell" : "held");
        break;
      case Event::Kind::Change:
        line = dated("change", e.date) + " " + std::to_string(e.to) + " " +
               std::to_string(e.other) + " " + std::to_string(e.nation);
        break;
      case Event::Kind::Fall:
        line = dated("fall", e.date) + " " + std::to_string(e.nation);
        break;
      case Event::Kind::Message:
        line = dated("message", e.date) + " " + std::to_string(e.nation) + " " + e.text;
        break;
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::function<void()> Record::readLines(const std::vector<std::string>& lines) const {
  std::vector<Month> months;
  std::vector<Event> events;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const std::string& line = lines[n];
    try {
      if (line.find_first_of("\r\n") != std::string::npos)
        throw std::runtime_error("a line break inside the line");
      // A message's text is the rest of its line and may hold blanks.
      const bool message = line.starts_with("message ");
      const std::vector<std::string_view> w = message ? split(line, 5) : split(line);
      const std::string_view kind = w[0];
      const auto expect = [&w](std::size_t count) {
        if (w.size() != count)
          throw std::runtime_error("expected " + std::to_string(count - 1) + " values");
      };
      const auto date = [&w] {
        if (w.size() < 3) throw std::runtime_error("no date");
        return Date{number(w[1], INT_MIN, INT_MAX), number(w[2], INT_MIN, INT_MAX)};
      };
      const auto territory = [](std::string_view word) {
        return static_cast<std::int8_t>(number(word, 0, world::kTerritories - 1));
      };
      const auto nation = [](std::string_view word) {
        return static_cast<std::int8_t>(number(word, kNoNation, world::kNations - 1));
      };
      if (kind == "month") {
        expect(3 + world::kNations);
        Month month{date()};
        int sum = 0;
        for (int j = 0; j < world::kNations; ++j)
          sum += month.territories[j] =
              static_cast<std::uint8_t>(number(w[3 + j], 0, world::kTerritories));
        if (sum > world::kTerritories)
          throw std::runtime_error("more than " + std::to_string(world::kTerritories) +
                                   " territories");
        months.push_back(month);
      } else if (kind == "attack") {
        expect(9);
        if (w[8] != "fell" && w[8] != "held")
          throw std::runtime_error("an attack ends \"fell\" or \"held\"");
        events.push_back({.date = date(),
                          .kind = Event::Kind::Attack,
                          .from = territory(w[3]),
                          .to = territory(w[4]),
                          .nation = nation(w[5]),
                          .other = nation(w[6]),
                          .soldiers = number(w[7], 0, INT_MAX),
                          .fell = w[8] == "fell"});
      } else if (kind == "change") {
        expect(6);
        events.push_back({.date = date(),
                          .kind = Event::Kind::Change,
                          .to = territory(w[3]),
                          .nation = nation(w[5]),
                          .other = nation(w[4])});
      } else if (kind == "fall") {
        expect(4);
        events.push_back({.date = date(), .kind = Event::Kind::Fall, .nation = nation(w[3])});
      } else if (message) {
        if (w.size() < 4) throw std::runtime_error("no nation");
        events.push_back({.date = date(),
                          .kind = Event::Kind::Message,
                          .nation = nation(w[3]),
                          .text = w.size() > 4 ? std::string(w[4]) : std::string()});
      } else {
        throw std::runtime_error("unknown entry \"" + std::string(kind) + "\"");
      }
    } catch (const std::runtime_error& error) {
      throw std::runtime_error("record, line " + std::to_string(n + 1) + ": " + error.what());
    }
  }
  // Reading changes nothing; the step it returns puts the record in force.
  auto* record = const_cast<Record*>(this);
  return [record, months = std::move(months), events = std::move(events)]() mutable {
    record->months_ = std::move(months);
    record->events_ = std::move(events);
    // What it saw last is the restored game, so it carries on from there.
    record->seen_ = record->look();
    ++record->revision_;
    ++record->restores_;
    record->added();
  };
}

const Record* recordOf(const std::vector<ui::SavePart*>& parts) {
  for (const ui::SavePart* part : parts)
    if (const auto* record = dynamic_cast<const Record*>(part)) return record;
  return nullptr;
}

}  // namespace chronicle
