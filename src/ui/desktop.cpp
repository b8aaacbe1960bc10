#include "ui/desktop.h"

namespace ui {

Desktop::~Desktop() {
  // Slots are members of the derived program and already gone; only the
  // screens unloaded by the last event are left to destroy.
  unloaded_.clear();
}

void Desktop::advance(std::int64_t ms) {
  const std::int64_t target = now_ + std::max<std::int64_t>(ms, 0);
  while (!ended_) {
    Timer* timer = firstDue(target);
    if (!timer) break;
    now_ = timer->due();
    run([timer] { timer->fire(); });
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
  run(widget.onClick);
}

void Desktop::closeBox(Screen& screen) {
  if (ended_) return;
  switch (screen.design().close) {
    case CloseBox::Quit:
      run([this] { end(); });
      break;
    case CloseBox::Cancel:
      run([&screen] { screen.cancel(); });
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
}

void Desktop::end() {
  ended_ = true;
  throw ProgramEnd{};
}

void Desktop::closeAll() {
  for (SlotBase* slot : slots_) slot->discard();
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

SlotBase::SlotBase(Desktop& desktop, std::string name)
    : desktop_(desktop), name_(std::move(name)) {
  desktop_.addSlot(this);
}

Screen& SlotBase::reference() {
  if (!screen_) {
    screen_ = create();
    screen_->Form_Load();
  }
  return *screen_;
}

void SlotBase::unload() {
  if (!screen_ || unloading_) return;
  unloading_ = true;
  screen_->Form_Unload();
  unloading_ = false;
  desktop_.bury(std::move(screen_));
}

void SlotBase::discard() {
  if (screen_) desktop_.bury(std::move(screen_));
}

}  // namespace ui
