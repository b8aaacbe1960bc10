// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The record of a game: how many territories each nation ruled at the close
// of every month, and what happened, with its date: every attack and how it
// ended, every territory that changed hands, every nation that lost its last
// territory and the status line's messages on the player's steps. No rule
// writes to it: after every event it compares the tables and screens with
// what it saw last. It is kept whole for the whole game and goes into the
// saved game.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/save_part.h"
#include "world/scenario.h"

class Program;

namespace chronicle {

struct Date {
  int year = 0, month = 0;
  bool operator==(const Date&) const = default;
};

// Territories ruled by each nation at the close of a month.
struct Month {
  Date date;
  std::array<std::uint8_t, world::kNations> territories{};
};

struct Event {
  enum class Kind : std::uint8_t {
    Attack,   // territory `from` of nation `nation` attacked `to` of `other`
    Change,   // territory `to` passed from nation `other` to `nation`
    Fall,     // nation `nation` lost its last territory
    Message,  // the status line on the player's step: `text`, nation the player's
  };
  Date date;
  Kind kind = Kind::Message;
  std::int8_t from = -1, to = -1;       // territories
  std::int8_t nation = -1, other = -1;  // nations; -1 where a ruler names none
  int soldiers = 0;                     // an attack's force
  bool fell = false;                    // the attack took its target
  std::string text;                     // a message

  // The event as the game tells it, in Japanese.
  std::string describe() const;
  // Whether nation j takes part in it.
  bool concerns(int j) const { return j >= 0 && (nation == j || other == j); }
  bool operator==(const Event&) const = default;
};

class Record : public ui::SavePart {
 public:
  // Watches `program` from now on, as one of its saved parts.
  explicit Record(Program& program);
  Record(const Record&) = delete;
  Record& operator=(const Record&) = delete;
  ~Record() override;

  const std::vector<Month>& months() const { return months_; }
  const std::vector<Event>& events() const { return events_; }
  // Grows with every entry added and with every restore.
  std::uint64_t revision() const { return revision_; }
  // Grows with every restore, which replaces the whole record.
  std::uint64_t restores() const { return restores_; }
  // Called after every event that added to the record and after a restore
  // (the chronicle window follows it); empty for nobody.
  void setListener(std::function<void()> listener) { listener_ = std::move(listener); }

  // The rulers of the territories as it saw them last (-1 for a ruler that
  // names no nation); none before the tables exist.
  const std::optional<std::array<int, world::kTerritories>>& rulers() const { return seen_.rulers; }
  // The player's nation as it saw it last; -1 before the game begins.
  int player() const { return seen_.player; }

  // Compares the game with what it saw last and records what happened.
  void observe();

  std::string partName() const override { return "record"; }
  std::vector<std::string> saveLines() const override;
  std::function<void()> readLines(const std::vector<std::string>& lines) const override;

 private:
  // What the record saw of the game after the last event.
  struct Seen {
    std::optional<Date> date;  // the calendar
    std::optional<std::array<int, world::kTerritories>> rulers;
    std::optional<std::string> status;  // the status line
    int player = -1;
    // The fight running on the battle or siege screen, by the screen's serial.
    std::uint64_t fight = 0;
    Event attack;
  };
  // What the game shows now, as the record sees it.
  Seen look() const;
  void add(Event event);
  void added();

  Program& program_;
  Seen seen_;
  std::vector<Month> months_;
  std::vector<Event> events_;
  std::uint64_t revision_ = 0;
  std::uint64_t restores_ = 0;
  std::function<void()> listener_;
};

// The record among a desktop's saved parts, or null for a game that keeps none.
const Record* recordOf(const std::vector<ui::SavePart*>& parts);

}  // namespace chronicle
