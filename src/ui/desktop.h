// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's desktop: one lazy slot per screen, the clock in milliseconds
// with its timers, click dispatch and the end of the program. One thread;
// every handler runs to its end before the next event.

#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/random.h"
#include "ui/save_part.h"
#include "ui/screen.h"

namespace ui {

// Thrown by Desktop::end to leave the running handler at once.
struct ProgramEnd {};

class SlotBase;

class Desktop {
 public:
  Desktop() = default;
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;
  virtual ~Desktop();

  // Shows the first screen, as the player starts the program.
  virtual void start() = 0;
  // Whether the player takes part in what runs now: the player's own step, or
  // a screen the player plays in is shown. The desktop's fastest pace runs
  // everything else without waiting.
  virtual bool playerInvolved() const { return true; }

  Random& random() { return random_; }
  const Random& random() const { return random_; }
  // Fixes the random source to `value`: from then on every reseed mixes it with
  // the virtual time, so a run replays exactly (tests, the script driver).
  void seed(std::uint64_t value) {
    random_.fix(value, [this] { return now_; });
  }

  // The clock stops here, so that the moment a timer falls due, the time plus
  // an interval of at most INT_MAX milliseconds, always fits.
  static constexpr std::int64_t kEndOfTime = INT64_MAX - INT_MAX;

  std::int64_t now() const { return now_; }
  // How far the clock can still run.
  std::int64_t timeLeft() const { return kEndOfTime - now_; }
  // Fires every timer that falls due in the next `ms` milliseconds, each at its
  // moment, ties in the order the screens and their timers are declared. The
  // clock goes no further than kEndOfTime, and a negative `ms` moves it nowhere.
  void advance(std::int64_t ms);
  // The moment the next timer falls due, if any is running.
  std::optional<std::int64_t> nextDue() const;

  // A click as a player makes it: ignored unless the widget's screen is shown
  // and the widget is showing, enabled and has a handler.
  void click(Widget& widget);
  // The close box of a screen's window: ignored unless the screen is shown.
  void closeBox(Screen& screen);
  // Runs `action` as one event: the program may end inside it, and screens
  // unloaded inside it are destroyed when it returns.
  void run(const std::function<void()>& action);
  // The handler that failed last, named "ma1.Command7_Click", "ma3.s_Click(21)",
  // "op2.Timer1_Timer", "kin.Form_Load" or "kin.cancel" (its close box); the
  // innermost one when a handler fails inside another. Cleared as the next
  // handler starts.
  const std::string& failedHandler() const { return failedHandler_; }

  // Runs after every event that leaves the program running, once the
  // outermost run() has done (the record of the game watches through it).
  void setAfterEvent(std::function<void()> watch) { afterEvent_ = std::move(watch); }

  // Terminates the program at once, closing every screen.
  [[noreturn]] void end();
  bool ended() const { return ended_; }
  // Called as the program ends, while its screens are still loaded.
  std::function<void()> onEnd;

  // What the desktop's view asks of the game.
  // The player's step, waiting for a command.
  virtual bool playersStep() const { return false; }
  // The player's nation and the date ("グラドウェン騎士団　1232年 5月"), or
  // empty before the game has begun.
  virtual std::string gameTitle() const { return {}; }
  // The game has been won or lost: nothing of it is left to play.
  virtual bool gameOver() const { return false; }

  // The parts of a saved game kept beside the screens, in the order they
  // were added; the owner keeps each alive while it is added.
  void addSavePart(SavePart* part) { saveParts_.push_back(part); }
  void removeSavePart(SavePart* part) { std::erase(saveParts_, part); }
  const std::vector<SavePart*>& saveParts() const { return saveParts_; }

  // Replaces the running game by a saved one: the clock, the ended flag, the
  // random source and, slot by slot, the screen to put in (null: unloaded).
  // The screens it replaces are destroyed as an unloaded screen is.
  void restore(std::int64_t now, bool ended, Random::State random,
               std::vector<std::unique_ptr<Screen>> screens);

  const std::vector<SlotBase*>& slots() const { return slots_; }
  SlotBase* slot(std::string_view name) const;
  // Every loaded screen, in the order of the slots.
  std::vector<Screen*> loadedScreens() const;

 private:
  friend class SlotBase;
  void addSlot(SlotBase* slot) { slots_.push_back(slot); }
  void bury(std::unique_ptr<Screen> screen) { unloaded_.push_back(std::move(screen)); }
  Timer* firstDue(std::int64_t limit) const;
  // Runs one of the game's handlers: `event` of `widget`, or of the screen
  // itself when `widget` is null. A failure goes on unchanged; only its
  // handler's name is kept.
  void handle(const Screen& screen, const Widget* widget, std::string_view event,
              const std::function<void()>& action);
  void closeAll();

  Random random_;
  std::int64_t now_ = 0;
  bool ended_ = false;
  int depth_ = 0;     // events running, nested through run()
  int handlers_ = 0;  // handlers running, nested
  std::string failedHandler_;
  std::vector<SlotBase*> slots_;
  std::vector<SavePart*> saveParts_;
  std::function<void()> afterEvent_;
  // Screens unloaded during the running event, destroyed when it returns.
  std::vector<std::unique_ptr<Screen>> unloaded_;
};

// One screen's place in the program: created on first reference.
class SlotBase {
 public:
  SlotBase(Desktop& desktop, std::string name);
  SlotBase(const SlotBase&) = delete;
  SlotBase& operator=(const SlotBase&) = delete;
  virtual ~SlotBase() = default;

  const std::string& name() const { return name_; }
  // The screen, created (and its Form_Load run) on first reference.
  Screen& reference();
  Screen* loadedScreen() const { return screen_.get(); }
  bool loaded() const { return screen_ != nullptr; }
  bool shown() const { return screen_ && screen_->visible(); }
  void show() { reference().show(); }
  // Runs Form_Unload and unloads the screen; safe inside its own handler.
  void unload();
  // Closes the screen without its unload handler, as the end of the program does.
  void discard();
  // A fresh screen of this slot built from its design, without Form_Load; the
  // slot is left as it is.
  std::unique_ptr<Screen> build() { return create(); }

 protected:
  virtual std::unique_ptr<Screen> create() = 0;

 private:
  friend class Desktop;
  Desktop& desktop_;
  std::string name_;
  std::unique_ptr<Screen> screen_;
  bool unloading_ = false;
};

// `Owner` is what the screen's constructor takes (the program object).
template <class S, class Owner>
class Slot : public SlotBase {
 public:
  Slot(Owner& owner, std::string name) : SlotBase(owner, std::move(name)), owner_(owner) {}
  S& operator()() { return static_cast<S&>(reference()); }
  S* get() const { return static_cast<S*>(loadedScreen()); }

 protected:
  std::unique_ptr<Screen> create() override { return std::make_unique<S>(owner_); }

 private:
  Owner& owner_;
};

}  // namespace ui
