// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/chronicle_window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "qt/fonts.h"
#include "qt/game_window.h"
#include "qt/pictures.h"

namespace qtview {

namespace {

QPointer<ChronicleWindow> shown;

constexpr int kMapWidth = 534, kMapHeight = 508;  // the attack map's size
const QColor kPaper(0xfb, 0xf7, 0xec);
const QColor kInk(0x2b, 0x21, 0x18);
const QColor kGold(0xd4, 0xa0, 0x17);

// The territory + 1 under every pixel of the map's cells (0 the sea).
QImage cellsAt(const char* file) {
  return QImage(QString(":/assets/pictures/chronicle/") + file)
      .convertToFormat(QImage::Format_RGB32);
}

int cell(const QImage& cells, int x, int y) {
  return qRed(reinterpret_cast<const QRgb*>(cells.constScanLine(y))[x]);
}

// For every territory its most inward spot, the farthest from its borders,
// where its emblem stands.
std::array<QPointF, world::kTerritories> inwardSpots() {
  const QImage cells = cellsAt("Cells.png");
  const int w = cells.width(), h = cells.height();
  std::vector<int> far(static_cast<std::size_t>(w) * h, 0);
  const auto at = [&](int x, int y) -> int& { return far[static_cast<std::size_t>(y) * w + x]; };
  const auto inside = [&](int x, int y, int label) {
    return x >= 0 && y >= 0 && x < w && y < h && cell(cells, x, y) == label;
  };
  // Two passes of a city-block distance to the nearest other cell.
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int label = cell(cells, x, y);
      if (!label) continue;
      const int up = inside(x, y - 1, label) ? at(x, y - 1) : 0;
      const int left = inside(x - 1, y, label) ? at(x - 1, y) : 0;
      at(x, y) = std::min(up, left) + 1;
    }
  for (int y = h - 1; y >= 0; --y)
    for (int x = w - 1; x >= 0; --x) {
      const int label = cell(cells, x, y);
      if (!label) continue;
      const int down = inside(x, y + 1, label) ? at(x, y + 1) : 0;
      const int right = inside(x + 1, y, label) ? at(x + 1, y) : 0;
      at(x, y) = std::min(at(x, y), std::min(down, right) + 1);
    }
  std::array<QPointF, world::kTerritories> spots{};
  std::array<int, world::kTerritories> best{};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (const int label = cell(cells, x, y);
          label > 0 && label <= world::kTerritories && at(x, y) > best[label - 1]) {
        best[label - 1] = at(x, y);
        spots[label - 1] = QPointF(x + 0.5, y + 0.5);
      }
  return spots;
}

// A nation's mark in the legends: its colour around its emblem.
QIcon nationIcon(int nation) {
  QPixmap icon(48, 48);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kInk, 1.5));
  painter.setBrush(nationColour(nation));
  painter.drawEllipse(QRectF(1, 1, 46, 46));
  const QPixmap emblem = picture("chronicle.emblem(" + std::to_string(nation) + ")");
  painter.drawPixmap(QRectF(8, 8, 32, 32), emblem, QRectF(emblem.rect()));
  return QIcon(icon);
}

QString dated(const chronicle::Date& date) {
  return QString("%1年%2月").arg(date.year).arg(date.month, 2);
}

}  // namespace

QColor nationColour(int nation) {
  static const QColor colours[world::kNations] = {
      "#e6194b", "#3cb44b", "#d4b000", "#4363d8", "#f58231", "#911eb4", "#00a6d6",
      "#f032e6", "#8fbf00", "#e57399", "#008080", "#b388eb", "#9a6324", "#b8860b",
      "#800000", "#2ec4b6", "#808000", "#ff8c69", "#000075", "#808080", "#1b5e20",
      "#ff4f81", "#5d4037", "#0091ad", "#a4ad2a", "#5e35b1"};
  return nation >= 0 && nation < world::kNations ? colours[nation] : QColor(Qt::transparent);
}

QString nationName(int nation) {
  return nation >= 0 && nation < world::kNations
             ? QString::fromUtf8(world::kNationStart[nation].name)
             : QStringLiteral("（不明）");
}

PowerMap::PowerMap() : base_(picture("chronicle.Map")), cells_(cellsAt("Cells@3x.png")) {
  static const std::array<QPointF, world::kTerritories> spots = inwardSpots();
  centres_ = spots;
  rulers_.fill(-1);
  setMouseTracking(true);
  setMinimumSize(267, 254);
}

void PowerMap::show(const std::array<int, world::kTerritories>& rulers, int player,
                    int highlighted) {
  if (rulers == rulers_ && player == player_ && highlighted == highlighted_ && !overlay_.isNull())
    return;
  rulers_ = rulers;
  player_ = player;
  highlighted_ = highlighted;
  paint();
  update();
}

void PowerMap::paint() {
  // Each cell's colour once; the player's land gets a gold edge inside it.
  std::array<QRgb, world::kTerritories + 1> fill{};
  std::array<bool, world::kTerritories + 1> own{};
  for (int i = 0; i < world::kTerritories; ++i) {
    const int ruler = rulers_[i];
    if (ruler < 0) continue;
    QColor colour = nationColour(ruler);
    colour.setAlpha(highlighted_ < 0 || highlighted_ == ruler ? 165 : 45);
    fill[i + 1] = qPremultiply(colour.rgba());
    own[i + 1] = ruler == player_;
  }
  const int w = cells_.width(), h = cells_.height();
  overlay_ = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
  const QRgb gold = kGold.rgba();
  constexpr int kEdge = 8;  // cells pixels, near three pixels of the map
  for (int y = 0; y < h; ++y) {
    const QRgb* from = reinterpret_cast<const QRgb*>(cells_.constScanLine(y));
    QRgb* to = reinterpret_cast<QRgb*>(overlay_.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const int label = std::min(qRed(from[x]), world::kTerritories);
      to[x] = fill[label];
      if (!own[label]) continue;
      const auto other = [&](int dx, int dy) {
        const int nx = x + dx, ny = y + dy;
        if (nx < 0 || ny < 0 || nx >= w || ny >= h) return true;
        return !own[std::min(cell(cells_, nx, ny), world::kTerritories)];
      };
      if (other(kEdge, 0) || other(-kEdge, 0) || other(0, kEdge) || other(0, -kEdge)) to[x] = gold;
    }
  }
}

QRectF PowerMap::mapArea() const {
  const double scale = std::min(width() / double(kMapWidth), height() / double(kMapHeight));
  QRectF area(0, 0, kMapWidth * scale, kMapHeight * scale);
  area.moveCenter(QRectF(rect()).center());
  return area;
}

int PowerMap::territoryAt(QPointF point) const {
  const QRectF area = mapArea();
  if (!area.contains(point) || cells_.isNull()) return -1;
  const int x = std::clamp(int((point.x() - area.left()) / area.width() * cells_.width()), 0,
                           cells_.width() - 1);
  const int y = std::clamp(int((point.y() - area.top()) / area.height() * cells_.height()), 0,
                           cells_.height() - 1);
  const int label = cell(cells_, x, y);
  return label > 0 && label <= world::kTerritories ? label - 1 : -1;
}

QString PowerMap::describe(int territory) const {
  if (territory < 0) return QString();
  QString text = QString::fromUtf8(world::kTerritoryStart[territory].name) + "　" +
                 nationName(rulers_[territory]);
  if (rulers_[territory] >= 0 && rulers_[territory] == player_) text += "（あなたの国）";
  return text;
}

void PowerMap::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kPaper);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = mapArea();
  painter.drawPixmap(area, base_, QRectF(base_.rect()));
  painter.drawImage(area, overlay_);
  const double scale = area.width() / kMapWidth;
  const double r = std::max(8.0, 12.0 * scale);
  for (int i = 0; i < world::kTerritories; ++i) {
    const int ruler = rulers_[i];
    if (ruler < 0) continue;
    const QPointF at = area.topLeft() + centres_[i] * scale;
    const bool faded = highlighted_ >= 0 && highlighted_ != ruler;
    painter.setOpacity(faded ? 0.35 : 1);
    const bool own = ruler == player_;
    painter.setPen(QPen(own ? kGold : kInk, own ? 3 : 1.2));
    painter.setBrush(nationColour(ruler));
    painter.drawEllipse(at, r + 3, r + 3);
    const QPixmap emblem = picture("chronicle.emblem(" + std::to_string(ruler) + ")");
    painter.drawPixmap(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), emblem, QRectF(emblem.rect()));
  }
}

void PowerMap::mouseMoveEvent(QMouseEvent* event) {
  const QString text = describe(territoryAt(event->position()));
  setToolTip(text);
  if (onPoint && !text.isEmpty()) onPoint(text);
}

void PowerMap::mousePressEvent(QMouseEvent* event) { mouseMoveEvent(event); }

TrendChart::TrendChart() {
  shown_.fill(true);
  setMouseTracking(true);
  setMinimumSize(320, 220);
}

void TrendChart::show(const std::vector<chronicle::Month>& months, int player) {
  months_ = months;
  player_ = player;
  top_ = 1;
  for (const chronicle::Month& month : months_)
    for (int held : month.territories) top_ = std::max(top_, held);
  update();
}

void TrendChart::setShown(int nation, bool shown) {
  shown_[nation] = shown;
  update();
}

QRectF TrendChart::plot() const { return QRectF(rect()).adjusted(40, 14, -16, -30); }

QPointF TrendChart::at(std::size_t month, int value, int nation) const {
  const QRectF area = plot();
  const double step = months_.size() > 1 ? area.width() / double(months_.size() - 1) : 0;
  const double x = months_.size() > 1 ? area.left() + step * month : area.center().x();
  // Nations holding as many territories lie side by side in a narrow band
  // around their value, in the order of the nations, rather than on one line.
  // Half a unit of room below none and above the most, for the bands.
  const double unit = area.height() / (top_ + 1);
  const double band = std::min(unit * 0.5, 1.5 * world::kNations);
  const double offset =
      nation < 0 ? 0 : (nation - (world::kNations - 1) / 2.0) / world::kNations * band;
  return {x, area.bottom() - unit * (value + 0.5) + offset};
}

std::pair<int, int> TrendChart::nearest(QPointF point) const {
  if (months_.empty() || !plot().adjusted(-8, -8, 8, 8).contains(point)) return {-1, -1};
  const QRectF area = plot();
  const int month =
      months_.size() > 1
          ? std::clamp(
                int(std::lround((point.x() - area.left()) / (area.width() / (months_.size() - 1)))),
                0, int(months_.size()) - 1)
          : 0;
  int best = -1;
  double distance = 10;  // pixels: farther than this names no line
  for (int j = 0; j < world::kNations; ++j) {
    if (!shown_[j]) continue;
    const double d = std::abs(at(month, months_[month].territories[j], j).y() - point.y());
    // Of lines lying on each other, the player's is named.
    if (d < distance || (d == distance && j == player_)) {
      distance = d;
      best = j;
    }
  }
  return {best, month};
}

QString TrendChart::describe(QPointF point) const {
  const auto [nation, month] = nearest(point);
  if (nation < 0) return QString();
  return nationName(nation) + "　" + dated(months_[month].date) + "　" +
         QString::number(months_[month].territories[nation]) + "領";
}

void TrendChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kPaper);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = plot();
  // The grid: territories up the side, years along the foot.
  painter.setPen(QPen(QColor(0xd8, 0xcc, 0xb0), 1));
  const int every = top_ <= 12 ? 1 : 5;
  for (int v = 0; v <= top_; v += every) {
    const double y = at(0, v, -1).y();
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  }
  painter.setPen(kInk);
  for (int v = 0; v <= top_; v += every)
    painter.drawText(QRectF(0, at(0, v, -1).y() - 9, area.left() - 6, 18),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
  int lastYear = INT_MIN;
  double lastX = -1e9;
  for (std::size_t m = 0; m < months_.size(); ++m) {
    const int year = months_[m].date.year;
    const double x = at(m, 0, -1).x();
    if (year == lastYear || (m > 0 && months_[m].date.month != 1) || x - lastX < 64) continue;
    lastYear = year;
    lastX = x;
    painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 4));
    painter.drawText(QRectF(x - 30, area.bottom() + 5, 60, 20), Qt::AlignCenter,
                     QString("%1年").arg(year));
  }
  painter.drawRect(area);
  if (months_.empty()) return;
  // The others first, thin; the hovered line and the player's nation on top.
  std::vector<int> order;
  for (int j = 0; j < world::kNations; ++j)
    if (shown_[j] && j != player_ && j != hovered_) order.push_back(j);
  for (int j : {hovered_, player_})
    if (j >= 0 && shown_[j] && std::find(order.begin(), order.end(), j) == order.end())
      order.push_back(j);
  for (int j : order) {
    // Steps: a count holds for its month and changes at the next close.
    QPainterPath line(at(0, months_[0].territories[j], j));
    for (std::size_t m = 1; m < months_.size(); ++m) {
      const QPointF to = at(m, months_[m].territories[j], j);
      line.lineTo(to.x(), line.currentPosition().y());
      line.lineTo(to);
    }
    if (months_.size() == 1) line.addEllipse(at(0, months_[0].territories[j], j), 2, 2);
    const double width = j == player_ ? 4 : j == hovered_ ? 3 : 1.4;
    if (j == player_) painter.strokePath(line, QPen(kInk, width + 2.5));
    painter.strokePath(line,
                       QPen(nationColour(j), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
}

void TrendChart::mouseMoveEvent(QMouseEvent* event) {
  const int nation = nearest(event->position()).first;
  setToolTip(describe(event->position()));
  if (!toolTip().isEmpty()) QToolTip::showText(event->globalPosition().toPoint(), toolTip(), this);
  if (nation != hovered_) {
    hovered_ = nation;
    update();
  }
}

ChronicleWindow::ChronicleWindow(chronicle::Record& record)
    : record_(record),
      tabs_(new QTabWidget),
      map_(new PowerMap),
      mapLegend_(new QListWidget),
      mapText_(new QLabel),
      chart_(new TrendChart),
      chartLegend_(new QListWidget),
      log_(new QPlainTextEdit),
      ownOnly_(new QCheckBox("あなたの国に関わる出来事だけ")),
      search_(new QLineEdit) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("年代記");
  setFont(fontFor({ui::kGothic, 10.5}));
  setWindowFlag(Qt::Window);

  auto* mapPage = new QWidget;
  auto* mapSide = new QVBoxLayout;
  auto* mapColumn = new QVBoxLayout;
  mapColumn->addWidget(map_, 1);
  mapColumn->addWidget(mapText_);
  mapText_->setText("領土を指すと、その名と支配する国が出ます");
  mapSide->addWidget(new QLabel("支配する国（領土の多い順）"));
  mapSide->addWidget(mapLegend_, 1);
  mapLegend_->setIconSize(QSize(24, 24));
  mapLegend_->setMaximumWidth(240);
  auto* mapRow = new QHBoxLayout(mapPage);
  mapRow->addLayout(mapColumn, 1);
  mapRow->addLayout(mapSide);
  map_->onPoint = [this](const QString& text) { mapText_->setText(text); };
  connect(mapLegend_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int nation = item->data(Qt::UserRole).toInt();
    highlighted_ = highlighted_ == nation ? -1 : nation;
    followMap();
  });

  auto* chartPage = new QWidget;
  auto* chartRow = new QHBoxLayout(chartPage);
  chartRow->addWidget(chart_, 1);
  chartRow->addWidget(chartLegend_);
  chartLegend_->setIconSize(QSize(20, 20));
  chartLegend_->setMaximumWidth(220);
  for (int j = 0; j < world::kNations; ++j) {
    auto* item = new QListWidgetItem(nationIcon(j), nationName(j), chartLegend_);
    item->setData(Qt::UserRole, j);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
  }
  connect(chartLegend_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    chart_->setShown(item->data(Qt::UserRole).toInt(), item->checkState() == Qt::Checked);
  });

  auto* logPage = new QWidget;
  auto* logColumn = new QVBoxLayout(logPage);
  auto* logBar = new QHBoxLayout;
  search_->setPlaceholderText("検索");
  search_->setClearButtonEnabled(true);
  logBar->addWidget(ownOnly_);
  logBar->addWidget(search_, 1);
  logColumn->addLayout(logBar);
  logColumn->addWidget(log_, 1);
  log_->setReadOnly(true);
  log_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  log_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // The newest stays in view unless the player has scrolled up to read, also
  // when the log grows while another view is shown.
  QScrollBar* bar = log_->verticalScrollBar();
  connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) {
    if (log_->isVisible()) atFoot_ = value == bar->maximum();
  });
  connect(bar, &QScrollBar::rangeChanged, this, [this, bar] {
    if (atFoot_) bar->setValue(bar->maximum());
  });
  connect(ownOnly_, &QCheckBox::toggled, this, [this] { rebuildLog(); });
  connect(search_, &QLineEdit::textChanged, this, [this] { rebuildLog(); });

  tabs_->addTab(mapPage, "勢力図");
  tabs_->addTab(chartPage, "推移");
  tabs_->addTab(logPage, "記録");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(tabs_);
  resize(820, 600);
}

ChronicleWindow::~ChronicleWindow() { record_.setListener(nullptr); }

namespace {

// Beside the window it was asked from, where the display has room; else over
// it; inside the display either way.
void placeBeside(QWidget& window, const QWidget& asking) {
  const QRect area = asking.frameGeometry();
  const QRect inside = asking.screen() ? asking.screen()->availableGeometry() : area;
  QRect placed(QPoint(area.left(), area.top()), window.size());
  if (area.right() + 1 + placed.width() <= inside.right())
    placed.moveLeft(area.right() + 1);
  else if (area.left() - placed.width() >= inside.left())
    placed.moveRight(area.left() - 1);
  else
    placed.moveCenter(area.center());
  moveInside(window, placed, asking.screen());
}

}  // namespace

ChronicleWindow* ChronicleWindow::open(chronicle::Record& record) {
  if (!shown) {
    shown = new ChronicleWindow(record);
    if (QWidget* asking = QApplication::activeWindow()) placeBeside(*shown, *asking);
  }
  shown->show();
  shown->raise();
  shown->activateWindow();
  return shown;
}

ChronicleWindow* ChronicleWindow::current() { return shown; }

GameMenu::Entry ChronicleWindow::entry(chronicle::Record& record) {
  return {"年代記", QKeySequence(Qt::CTRL | Qt::Key_H), false, [&record] { open(record); }};
}

void ChronicleWindow::showEvent(QShowEvent*) {
  // While open it follows the record, once after every event that added to it.
  record_.setListener([this] {
    if (asked_) return;
    asked_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          asked_ = false;
          follow();
        },
        Qt::QueuedConnection);
  });
  follow();
}

void ChronicleWindow::hideEvent(QHideEvent*) { record_.setListener(nullptr); }

void ChronicleWindow::follow() {
  if (record_.revision() == seen_) return;
  seen_ = record_.revision();
  followMap();
  chart_->show(record_.months(), record_.player());
  if (record_.restores() != restores_) {
    restores_ = record_.restores();
    rebuildLog();
  } else {
    followLog(logged_);
  }
}

void ChronicleWindow::followMap() {
  std::array<int, world::kTerritories> rulers;
  rulers.fill(-1);
  if (record_.rulers()) rulers = *record_.rulers();
  map_->show(rulers, record_.player(), highlighted_);

  std::array<int, world::kNations> held{};
  for (int ruler : rulers)
    if (ruler >= 0) ++held[ruler];
  std::vector<int> order;
  for (int j = 0; j < world::kNations; ++j)
    if (held[j] > 0) order.push_back(j);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return held[a] > held[b]; });
  mapLegend_->clear();
  for (int j : order) {
    QString text = nationName(j) + "　" + QString::number(held[j]);
    if (j == record_.player()) text += "（あなた）";
    auto* item = new QListWidgetItem(nationIcon(j), text, mapLegend_);
    item->setData(Qt::UserRole, j);
    QFont font = item->font();
    font.setBold(j == record_.player() || j == highlighted_);
    item->setFont(font);
    if (j == highlighted_) item->setSelected(true);
  }
}

bool ChronicleWindow::passes(const chronicle::Event& event) const {
  if (ownOnly_->isChecked() && !event.concerns(record_.player())) return false;
  const QString wanted = search_->text().trimmed();
  return wanted.isEmpty() ||
         QString::fromStdString(event.describe()).contains(wanted, Qt::CaseInsensitive) ||
         dated(event.date).contains(wanted);
}

void ChronicleWindow::followLog(std::size_t from) {
  const auto& events = record_.events();
  QStringList lines;
  for (std::size_t n = from; n < events.size(); ++n)
    if (passes(events[n]))
      lines << dated(events[n].date) + "　" + QString::fromStdString(events[n].describe());
  logged_ = events.size();
  if (!lines.isEmpty()) log_->appendPlainText(lines.join('\n'));
}

void ChronicleWindow::rebuildLog() {
  atFoot_ = true;
  log_->clear();
  followLog(0);
}

}  // namespace qtview
