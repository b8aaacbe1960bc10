// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/game_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

#include "qt/screen_window.h"

namespace qtview {

namespace {

bool within(const QWidget* widget, const QWidget* layer) {
  return widget && (widget == layer || layer->isAncestorOf(widget));
}

// Where a layer lies in a window of `window` pixels.
QPoint placeOf(const ScreenWindow& layer, QSize window) {
  const ui::ScreenDesign& design = layer.screen().design();
  if (design.left && design.top) return pixels({*design.left, *design.top, 0, 0}).topLeft();
  return {(window.width() - layer.width()) / 2, (window.height() - layer.height()) / 2};
}

}  // namespace

GameWindow::GameWindow() {
  // Minimise and close, no maximise: the screens have one size.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
}

void GameWindow::putOnTop(ScreenWindow* layer) {
  std::erase(layers_, layer);
  layers_.push_back(layer);
}

void GameWindow::remove(ScreenWindow* layer) {
  std::erase(layers_, layer);
  layer->hide();
  layer->deleteLater();
}

void GameWindow::arrange() {
  if (layers_.empty()) {
    hide();
    return;
  }
  QSize size;
  for (ScreenWindow* layer : layers_) size = size.expandedTo(layer->size());
  setFixedSize(size);
  for (std::size_t i = 0; i < layers_.size(); ++i) {
    ScreenWindow* layer = layers_[i];
    layer->move(placeOf(*layer, size));
    layer->raise();
    // Clicks on a layer below the top one fall through to the window, which
    // takes none.
    layer->setAttribute(Qt::WA_TransparentForMouseEvents, layer != top());
  }
  // Every layer paints all of itself, so one that lies wholly under another
  // would only cost its painting.
  for (std::size_t i = 0; i < layers_.size(); ++i) {
    const QRect area = layers_[i]->geometry();
    const bool covered =
        std::any_of(layers_.begin() + i + 1, layers_.end(),
                    [&](ScreenWindow* above) { return above->geometry().contains(area); });
    layers_[i]->setVisible(!covered);
  }
  if (!within(focusWidget(), top())) top()->setFocus(Qt::OtherFocusReason);
  if (!placed_) {
    // The first time, in the middle of the display; the window manager keeps
    // it where the player moves it from then on.
    placed_ = true;
    if (QScreen* display = QGuiApplication::primaryScreen()) {
      QRect area = geometry();
      area.moveCenter(display->availableGeometry().center());
      move(area.topLeft());
    }
  }
  if (!isVisible()) {
    show();
    activateWindow();
  }
}

void GameWindow::setTitle(const QString& suffix) {
  const QString title =
      top() ? QString::fromStdString(top()->screen().design().title) + suffix : QString();
  setWindowTitle(title.trimmed());
}

GameWindow* GameWindow::shown() {
  if (auto* active = dynamic_cast<GameWindow*>(QApplication::activeWindow())) return active;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* window = dynamic_cast<GameWindow*>(widget); window && window->isVisible())
      return window;
  return nullptr;
}

bool GameWindow::event(QEvent* event) {
  // The buttons' keys are their shortcuts only for screen readers to tell.
  // Every key comes as a key press, so that it reaches the top layer alone
  // and at once, never a shortcut of a button on a layer below.
  if (event->type() == QEvent::ShortcutOverride) {
    event->accept();
    return true;
  }
  return QWidget::event(event);
}

void GameWindow::changeEvent(QEvent* event) {
  // Title bars that Qt draws itself (Wayland without the compositor's
  // decorations) offer to maximise all the same; the window stays as it is.
  if (event->type() == QEvent::WindowStateChange && isMaximized())
    setWindowState(windowState() & ~Qt::WindowMaximized);
  QWidget::changeEvent(event);
}

void GameWindow::closeEvent(QCloseEvent* event) {
  // The game decides what the close box means: the top screen's close box.
  event->ignore();
  if (ScreenWindow* layer = top()) layer->close();
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
  // A key pressed while the focus lies outside the top layer is the top
  // layer's; one the top layer left unhandled comes back and ends here.
  if (top() && !forwarding_ && !within(focusWidget(), top())) {
    forwarding_ = true;
    QCoreApplication::sendEvent(top(), event);
    forwarding_ = false;
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace qtview
