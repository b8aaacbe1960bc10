// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt widgets that mirror the model's widgets: each keeps its model widget and
// brings itself in line with it on sync().

#include <QLabel>
#include <QToolButton>
#include <QWidget>
#include <functional>

#include "ui/widget.h"

namespace qtview {

using ClickSink = std::function<void(ui::Widget&)>;

// Every view: sync() copies what the model may have changed.
class View {
 public:
  virtual ~View() = default;
  virtual void sync() = 0;
  virtual QWidget* widget() = 0;
};

QRect pixels(const ui::Rect& twips);
// A caption as a screen reader should read it.
QString spoken(const QString& text);
// The caption of a label, button or frame; empty for other widgets.
std::string captionOf(const ui::Widget& widget);
QColor colorOf(const ui::Color& color);

class LabelView : public QLabel, public View {
 public:
  LabelView(ui::Label& label, ClickSink sink, QWidget* parent);
  void sync() override;
  QWidget* widget() override { return this; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  ui::Label& label_;
  ClickSink sink_;
  std::string caption_;
  ui::Color fore_;
  bool first_ = true;
};

class ButtonView : public QToolButton, public View {
 public:
  ButtonView(ui::Button& button, ClickSink sink, QWidget* parent);
  void sync() override;
  QWidget* widget() override { return this; }

 private:
  ui::Button& button_;
  std::string caption_;
  std::string picture_;
  bool first_ = true;
};

class ImageView : public QWidget, public View {
 public:
  ImageView(ui::Image& image, ClickSink sink, QWidget* parent);
  void sync() override;
  QWidget* widget() override { return this; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  ui::Image& image_;
  ClickSink sink_;
  std::string picture_;
};

class FrameView : public QWidget, public View {
 public:
  FrameView(ui::Frame& frame, QWidget* parent);
  void sync() override;
  QWidget* widget() override { return this; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ui::Frame& frame_;
  std::string caption_;
};

// Lines and shapes: drawn, never clicked.
class FigureView : public QWidget, public View {
 public:
  FigureView(ui::Widget& figure, QWidget* parent);
  void sync() override;
  QWidget* widget() override { return this; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ui::Widget& figure_;
};

}  // namespace qtview
