// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop.h"

#include <algorithm>

namespace ui {

Desktop::~Desktop() {
  // Slots are members of the derived program and already gone; only the
  // screens unloaded by the last event are left to destroy.
  unloaded_.clear();
}

void Desktop::advance(std::int64_t ms) {
  const std::int64_t target = now_ + std::clamp<std::int64_t>(ms, 0, timeLeft());
  while (!ended_) {
    Timer* timer = firstDue(target);
    if (!timer) break;
    now_ = timer->due();
    run([this, timer] { handle(timer->screen(), timer, "Timer", [timer] { timer->fire(); }); });
  }
  now_ = target;
}

std::optional<std::int64_t> Desktop::nextDue() const {
  Timer* timer = firstDue(INT64_MAX);
  if (!timer) return std::nullopt;
  return timer->due();
}

Timer* Desktop::firstDue(std::int64_t limit) const {
  Timer* first = nullptr;
  for (SlotBase* slot : slots_)
    if (Screen* screen = slot->loadedScreen())
      for (Timer* timer : screen->timers())
        if (timer->armed() && timer->due() <= limit && (!first || timer->due() < first->due()))
          first = timer;
  return first;
}

void Desktop::click(Widget& widget) {
  if (ended_ || !widget.screen().visible() || !widget.showing() || !widget.onClick) return;
  if (widget.kind() == Kind::Button && !static_cast<Button&>(widget).enabled()) return;
  run([this, &widget] { handle(widget.screen(), &widget, "Click", widget.onClick); });
}

void Desktop::closeBox(Screen& screen) {
  if (ended_ || !screen.visible()) return;
  switch (screen.design().close) {
    case CloseBox::Quit:
      run([this] { end(); });
      break;
    case CloseBox::Cancel:
      run([this, &screen] { handle(screen, nullptr, "cancel", [&screen] { screen.cancel(); }); });
      break;
    case CloseBox::Refuse:
      break;
  }
}

void Desktop::run(const std::function<void()>& action) {
  struct Depth {
    Desktop& desktop;
    explicit Depth(Desktop& d) : desktop(d) { ++desktop.depth_; }
    ~Depth() {
      if (--desktop.depth_ == 0) desktop.unloaded_.clear();
    }
  } depth(*this);
  if (ended_) return;
  try {
    action();
  } catch (const ProgramEnd&) {
    if (depth_ > 1) throw;
    closeAll();
  }
  if (depth_ == 1 && !ended_ && afterEvent_) afterEvent_();
}

void Desktop::handle(const Screen& screen, const Widget* widget, std::string_view event,
                     const std::function<void()>& action) {
  struct Nesting {
    int& handlers;
    explicit Nesting(int& h) : handlers(h) { ++handlers; }
    ~Nesting() { --handlers; }
  } nesting(handlers_);
  if (handlers_ == 1) failedHandler_.clear();
  try {
    action();
  } catch (const ProgramEnd&) {
    throw;
  } catch (...) {
    // The innermost handler is named first; the ones around it keep its name.
    if (failedHandler_.empty()) {
      failedHandler_ = screen.name() + ".";
      if (widget) failedHandler_ += widget->name() + "_";
      failedHandler_ += event;
      if (widget && widget->index() >= 0)
        failedHandler_ += "(" + std::to_string(widget->index()) + ")";
    }
    throw;
  }
}

void Desktop::end() {
  if (onEnd) onEnd();
  ended_ = true;
  throw ProgramEnd{};
}

void Desktop::closeAll() {
  for (SlotBase* slot : slots_) slot->discard();
}

void Desktop::restore(std::int64_t now, bool ended, Random::State random,
                      std::vector<std::unique_ptr<Screen>> screens) {
  now_ = now;
  ended_ = ended;
  random_.restore(std::move(random), [this] { return now_; });
  failedHandler_.clear();
  for (std::size_t i = 0; i < slots_.size(); ++i) {
    slots_[i]->discard();
    if (i < screens.size()) slots_[i]->screen_ = std::move(screens[i]);
  }
}

SlotBase* Desktop::slot(std::string_view name) const {
  for (SlotBase* slot : slots_)
    if (slot->name() == name) return slot;
  return nullptr;
}

std::vector<Screen*> Desktop::loadedScreens() const {
  std::vector<Screen*> screens;
  for (SlotBase* slot : slots_)
    if (Screen* screen = slot->loadedScreen()) screens.push_back(screen);
  return screens;
}

SlotBase::SlotBase(Desktop& desktop, std::string name) : desktop_(desktop), name_(std::move(name)) {
  desktop_.addSlot(this);
}

Screen& SlotBase::reference() {
  if (!screen_) {
    screen_ = create();
    Screen& screen = *screen_;
    try {
      desktop_.handle(screen, nullptr, "Form_Load", [&screen] { screen.Form_Load(); });
    } catch (...) {
      // A screen half built by its failed load is no screen: its timers
      // would tick and a later show would skip the load.
      if (screen_.get() == &screen) desktop_.bury(std::move(screen_));
      throw;
    }
  }
  return *screen_;
}

void SlotBase::unload() {
  if (!screen_ || unloading_) return;
  // A Form_Unload that fails leaves the screen loaded, to be unloaded again later.
  struct Unloading {
    bool& flag;
    explicit Unloading(bool& f) : flag(f) { flag = true; }
    ~Unloading() { flag = false; }
  };
  {
    Unloading unloading(unloading_);
    Screen& screen = *screen_;
    desktop_.handle(screen, nullptr, "Form_Unload", [&screen] { screen.Form_Unload(); });
  }
  desktop_.bury(std::move(screen_));
}

void SlotBase::discard() {
  if (screen_) desktop_.bury(std::move(screen_));
}

}  // namespace ui
