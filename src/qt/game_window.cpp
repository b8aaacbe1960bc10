// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/game_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "qt/screen_window.h"

namespace qtview {

void moveInside(QWidget& window, const QRect& placed, const QScreen* display) {
  if (!display) {
    window.move(placed.topLeft());
    return;
  }
  const QRect inside = display->availableGeometry();
  window.move(std::clamp(placed.left(), inside.left(),
                         std::max(inside.left(), inside.right() - placed.width())),
              std::clamp(placed.top(), inside.top(),
                         std::max(inside.top(), inside.bottom() - placed.height())));
}

namespace {

bool within(const QWidget* widget, const QWidget* layer) {
  return widget && (widget == layer || layer->isAncestorOf(widget));
}

// Where a layer lies over `area`, the place of the screens as large as the window.
QPoint placeOf(const ScreenWindow& layer, const QRect& area) {
  const ui::ScreenDesign& design = layer.screen().design();
  if (design.left && design.top)
    return area.topLeft() + pixels({*design.left, *design.top, 0, 0}).topLeft();
  return area.topLeft() +
         QPoint((area.width() - layer.width()) / 2, (area.height() - layer.height()) / 2);
}

// On Wayland Qt's own title bar offers to maximise whatever the window's flags
// say, and a window held to its size answers the compositor's maximised size
// with its own, for which the compositor ends the connection (the game is
// lost). There the window has no maximum size and keeps its layers in its
// middle until the maximised state is taken back.
bool heldToSize() { return !QGuiApplication::platformName().startsWith("wayland"); }

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
  content_ = QSize();
  for (ScreenWindow* layer : layers_) content_ = content_.expandedTo(layer->size());
  setMinimumSize(content_);
  setMaximumSize(heldToSize() ? content_ : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  if (!isMaximized()) resize(content_);
  placeLayers();
  for (ScreenWindow* layer : layers_) {
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

void GameWindow::placeLayers() {
  QRect area(QPoint(), content_);
  area.moveCenter(rect().center());
  for (ScreenWindow* layer : layers_) layer->move(placeOf(*layer, area));
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

void GameWindow::paintEvent(QPaintEvent*) {
  // Black around the layers while a compositor makes the window larger; not
  // through the palette, which the layers would take for their own.
  QPainter(this).fillRect(rect(), Qt::black);
}

void GameWindow::resizeEvent(QResizeEvent* event) {
  placeLayers();
  QWidget::resizeEvent(event);
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
