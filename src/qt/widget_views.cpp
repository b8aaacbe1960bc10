// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/widget_views.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>

#include "qt/fonts.h"
#include "qt/keys.h"
#include "qt/pictures.h"

namespace qtview {

namespace {

constexpr int kTwipsPerPixel = 15;

QString qtext(const std::string& s) { return QString::fromStdString(s); }

void setVisibleIfChanged(QWidget* widget, bool visible) {
  if (widget->isVisibleTo(widget->parentWidget()) != visible) widget->setVisible(visible);
}

// A picture the game names but does not have: a framed parchment card with
// the picture's name, so nothing shows as an empty box.
void paintStandIn(QPainter& painter, const QRect& area, const std::string& name) {
  painter.fillRect(area, QColor(0xe8, 0xdc, 0xbc));
  painter.setPen(QPen(QColor(0x6b, 0x4f, 0x2a), 2));
  painter.drawRect(area.adjusted(1, 1, -2, -2));
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, qtext(name));
}

}  // namespace

QString spoken(const QString& text) {
  // Blanks that space out a Japanese caption ("港 投 資") are no pause.
  const bool japanese =
      std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 127; });
  if (!japanese) return text.simplified();
  QString joined = text;
  return joined.remove(' ').remove(QChar(0x3000));
}

std::string captionOf(const ui::Widget& widget) {
  switch (widget.kind()) {
    case ui::Kind::Label:
      return static_cast<const ui::Label&>(widget).caption();
    case ui::Kind::Button:
      return static_cast<const ui::Button&>(widget).caption();
    case ui::Kind::Frame:
      return static_cast<const ui::Frame&>(widget).caption();
    default:
      return {};
  }
}

QRect pixels(const ui::Rect& twips) {
  return {twips.left / kTwipsPerPixel, twips.top / kTwipsPerPixel,
          (twips.width + kTwipsPerPixel - 1) / kTwipsPerPixel,
          (twips.height + kTwipsPerPixel - 1) / kTwipsPerPixel};
}

QColor colorOf(const ui::Color& color) {
  if (color.buttonFace) {
    // The system's button face is a light grey, one step of the caption
    // fades; a dark desktop theme must not turn it darker than that.
    QColor face = QApplication::palette().color(QPalette::Button);
    return face.lightness() >= 160 ? face : QColor(192, 192, 192);
  }
  return QColor(color.rgb & 0xff, (color.rgb >> 8) & 0xff, (color.rgb >> 16) & 0xff);
}

LabelView::LabelView(ui::Label& label, ClickSink sink, QWidget* parent)
    : QLabel(parent), label_(label), sink_(std::move(sink)) {
  const ui::LabelDesign& design = label.design();
  setGeometry(pixels(design.at));
  setFont(fontFor(design.font));
  setWordWrap(true);
  setAlignment((design.align == ui::Align::Center  ? Qt::AlignHCenter
                : design.align == ui::Align::Right ? Qt::AlignRight
                                                   : Qt::AlignLeft) |
               Qt::AlignTop);
  if (design.border) setFrameStyle(QFrame::Panel | QFrame::Sunken);
  if (!design.transparent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, colorOf(design.back));
    setPalette(p);
  }
  sync();
}

void LabelView::sync() {
  // A screen reader hears every change of a label's text (the status line's
  // among them) from QLabel itself.
  if (first_ || caption_ != label_.caption()) {
    caption_ = label_.caption();
    QString rich = brushRichText(qtext(caption_), label_.design().font);
    setTextFormat(rich.isEmpty() ? Qt::PlainText : Qt::RichText);
    setText(rich.isEmpty() ? qtext(caption_) : rich);
  }
  // A value reads with its heading, whose caption may change too.
  if (const ui::Widget* heading = label_.design().heading) {
    const QString name = spoken(qtext(captionOf(*heading))) + " " + qtext(caption_);
    if (name != accessibleName()) setAccessibleName(name);
  }
  if (first_ || !(fore_ == label_.foreColor())) {
    fore_ = label_.foreColor();
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colorOf(fore_));
    setPalette(p);
  }
  first_ = false;
  setVisibleIfChanged(this, label_.visible());
}

void LabelView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) sink_(label_);
}

ButtonView::ButtonView(ui::Button& button, ClickSink sink, QWidget* parent)
    : QToolButton(parent), button_(button) {
  const ui::ButtonDesign& design = button.design();
  setGeometry(pixels(design.at));
  setFont(fontFor(design.font));
  // The rules' tooltip, and the key that presses the button after it.
  QString tip = qtext(design.tooltip);
  if (QString key = keyName(button); !tip.isEmpty() && !key.isEmpty()) tip += " [" + key + "]";
  setToolTip(tip);
  // The window's own focus mark shows which button Space presses; no button
  // takes Qt's focus, so none shows a focus frame of its own.
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QToolButton::clicked, this, [this, sink] { sink(button_); });
  sync();
}

void ButtonView::sync() {
  if (first_ || caption_ != button_.caption() || picture_ != button_.picture()) {
    caption_ = button_.caption();
    picture_ = button_.picture();
    QPixmap pixmap = picture_.empty() ? QPixmap() : picture(picture_);
    if (pixmap.isNull() && !picture_.empty() && button_.design().graphical) {
      pixmap = QPixmap(caption_.empty() ? size() - QSize(8, 8) : QSize(32, 32));
      QPainter painter(&pixmap);
      paintStandIn(painter, pixmap.rect(), picture_);
    }
    const bool graphical = button_.design().graphical && !pixmap.isNull();
    setText(qtext(caption_));
    // The key a screen reader tells (a new text clears it); its window
    // takes the key press itself and presses the button as a click does.
    if (const QList<QKeySequence> keys = keysOf(button_); !keys.isEmpty())
      setShortcut(keys.front());
    // A button without a caption is called by its command.
    const ui::ButtonDesign& design = button_.design();
    setAccessibleName(spoken(qtext(!caption_.empty()        ? caption_
                                   : !design.spoken.empty() ? design.spoken
                                                            : design.tooltip)));
    // The rules' tooltip describes the button, where it says more than its name.
    const QString tip = qtext(design.tooltip);
    setAccessibleDescription(spoken(tip) == accessibleName() ? QString() : tip);
    setIcon(graphical ? QIcon(pixmap) : QIcon());
    if (graphical) setIconSize(pixmap.deviceIndependentSize().toSize());
    setToolButtonStyle(!graphical         ? Qt::ToolButtonTextOnly
                       : caption_.empty() ? Qt::ToolButtonIconOnly
                                          : Qt::ToolButtonTextUnderIcon);
  }
  first_ = false;
  if (isEnabled() != button_.enabled()) setEnabled(button_.enabled());
  setVisibleIfChanged(this, button_.visible());
}

ImageView::ImageView(ui::Image& image, ClickSink sink, QWidget* parent)
    : QWidget(parent), image_(image), sink_(std::move(sink)) {
  setGeometry(pixels(image.design().at));
  sync();
}

void ImageView::sync() {
  if (picture_ != image_.picture()) {
    picture_ = image_.picture();
    update();
  }
  setVisibleIfChanged(this, image_.visible());
}

void ImageView::paintEvent(QPaintEvent*) {
  if (picture_.empty() && !image_.design().border) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!picture_.empty()) {
    QPixmap pixmap = picture(picture_);
    if (pixmap.isNull())
      paintStandIn(painter, rect(), picture_);
    else if (image_.design().stretch)
      painter.drawPixmap(rect(), pixmap);
    else
      painter.drawPixmap(QPoint(0, 0), pixmap);
  }
  if (image_.design().border) {
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void ImageView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) sink_(image_);
}

FrameView::FrameView(ui::Frame& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
  const ui::FrameDesign& design = frame.design();
  setGeometry(pixels(design.at));
  setFont(fontFor(design.font));
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, colorOf(design.back));
  p.setColor(QPalette::WindowText, colorOf(design.fore));
  setPalette(p);
  sync();
}

void FrameView::sync() {
  if (caption_ != frame_.caption()) {
    caption_ = frame_.caption();
    // A group reads by its caption ("兵士数決定" around its buttons).
    setAccessibleName(spoken(qtext(caption_)));
    update();
  }
  setVisibleIfChanged(this, frame_.visible());
}

void FrameView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int top = fontMetrics().height() / 2;
  QRect box = rect().adjusted(0, top, -2, -2);
  // An etched border: a dark line with a light one beside it.
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(box);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(box.translated(1, 1));
  if (!caption_.empty()) {
    QString caption = qtext(caption_);
    QRect label(8, 0, fontMetrics().horizontalAdvance(caption) + 4, fontMetrics().height());
    painter.fillRect(label, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(label, Qt::AlignCenter, caption);
  }
}

FigureView::FigureView(ui::Widget& figure, QWidget* parent) : QWidget(parent), figure_(figure) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  QRect area = pixels(figure.at());
  if (figure.kind() == ui::Kind::Line) {
    const int width = static_cast<ui::Line&>(figure).design().width;
    area.adjust(-width, -width, width, width);
  }
  setGeometry(area);
  sync();
}

void FigureView::sync() { setVisibleIfChanged(this, figure_.visible()); }

void FigureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (figure_.kind() == ui::Kind::Line) {
    const ui::LineDesign& d = static_cast<ui::Line&>(figure_).design();
    painter.setPen(QPen(colorOf(d.color), d.width));
    const QPoint origin = pos();
    painter.drawLine(QPoint(d.x1 / kTwipsPerPixel, d.y1 / kTwipsPerPixel) - origin,
                     QPoint(d.x2 / kTwipsPerPixel, d.y2 / kTwipsPerPixel) - origin);
    return;
  }
  const ui::ShapeDesign& d = static_cast<ui::Shape&>(figure_).design();
  painter.setPen(QPen(colorOf(d.border), d.borderWidth));
  painter.setBrush(d.filled ? QBrush(colorOf(d.fill)) : Qt::NoBrush);
  QRect box = rect().adjusted(d.borderWidth / 2, d.borderWidth / 2, -(d.borderWidth + 1) / 2,
                              -(d.borderWidth + 1) / 2);
  if (d.shape == ui::ShapeKind::Square || d.shape == ui::ShapeKind::Circle) {
    int side = qMin(box.width(), box.height());
    box = QRect(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
  }
  switch (d.shape) {
    case ui::ShapeKind::Oval:
    case ui::ShapeKind::Circle:
      painter.drawEllipse(box);
      break;
    case ui::ShapeKind::RoundedRectangle:
      painter.drawRoundedRect(box, 6, 6);
      break;
    default:
      painter.drawRect(box);
  }
}

}  // namespace qtview
