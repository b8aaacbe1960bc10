// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's one top-level window. Every shown screen is a layer of it, in the
// order the screens were shown: a layer as large as the window covers those
// below it, a smaller one lies where its design places it or in the middle.
// Only the top layer takes clicks, keys and the focus, and the window's title
// and close box are the top layer's. A window manager can minimise the window
// but not maximise it: its size is that of its largest layer.

#include <QWidget>
#include <vector>

class QScreen;

namespace qtview {

class ScreenWindow;

// Moves a window of its own (the help, the chronicle) to `placed`, kept inside
// the part of `display` that windows may take, where there is a display.
void moveInside(QWidget& window, const QRect& placed, const QScreen* display);

class GameWindow : public QWidget {
 public:
  GameWindow();

  // Puts `layer`, a child of this window, on top: a screen shown for the
  // first time or shown again.
  void putOnTop(ScreenWindow* layer);
  // Takes `layer` away and deletes it once the running event is done (it may
  // be the one whose click is being handled).
  void remove(ScreenWindow* layer);
  // The layers, the bottom one first.
  const std::vector<ScreenWindow*>& layers() const { return layers_; }
  // The top layer, or null while no screen is shown.
  ScreenWindow* top() const { return layers_.empty() ? nullptr : layers_.back(); }
  // Brings the window in line with its layers after a change: its size, the
  // layers' places and order, those wholly covered hidden, the focus on the
  // top one. Shows the window for its first layer and hides it without any.
  void arrange();
  // The top layer's title followed by `suffix`.
  void setTitle(const QString& suffix);

  // The game window on the desktop, or null: the active one, or else the
  // first one shown.
  static GameWindow* shown();

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void placeLayers();

  std::vector<ScreenWindow*> layers_;
  QSize content_;  // the largest layer's size
  bool placed_ = false;
  bool forwarding_ = false;  // a key on its way to the top layer
};

}  // namespace qtview
