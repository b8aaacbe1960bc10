// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/save_games.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdio>

#include "ui/save_game.h"

namespace qtview {

namespace {

constexpr const char* kFilter = "群星の年代記の保存 (*.save)";

// Makes the folder's entries (a rename) durable, as the file's own sync
// makes its bytes.
bool syncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

}  // namespace

SaveGames::SaveGames(ui::Desktop& desktop, QtDesktop& view, QString folder)
    : desktop_(desktop),
      view_(view),
      folder_(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : std::move(folder)),
      titlePart_(desktop) {
  desktop_.addSavePart(&titlePart_);
  view_.afterEvent = [this] { afterEvent(); };
  desktop_.onEnd = [this] { ending(); };
}

SaveGames::~SaveGames() {
  desktop_.onEnd = nullptr;
  view_.afterEvent = nullptr;
  desktop_.removeSavePart(&titlePart_);
}

std::vector<std::string> SaveGames::TitlePart::saveLines() const { return {desktop_.gameTitle()}; }

std::function<void()> SaveGames::TitlePart::readLines(const std::vector<std::string>&) const {
  return {};  // only read for the offer; the game's own title follows its screens
}

GameMenu::Entry SaveGames::saveEntry() {
  return {"保存…", QKeySequence(Qt::CTRL | Qt::Key_S), false, [this] { saveByDialog(); }};
}

GameMenu::Entry SaveGames::loadEntry() {
  return {"読み込み…", QKeySequence(Qt::CTRL | Qt::Key_O), false, [this] { loadByDialog(); }};
}

QString SaveGames::autosavePath() const { return folder_ + "/autosave.save"; }
QString SaveGames::previousAutosavePath() const { return folder_ + "/autosave.previous.save"; }

std::optional<QString> SaveGames::write(const QString& path) {
  const std::string text = ui::saveGame(desktop_);
  const QString folder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(folder)) return "フォルダを作れません: " + folder;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(text.data(), static_cast<qint64>(text.size())) !=
      static_cast<qint64>(text.size())) {
    const QString error = file.errorString();
    file.cancelWriting();
    return error;
  }
  // The bytes are synced before the rename over the old file; the folder after it.
  if (!file.commit()) return file.errorString();
  if (!syncFolder(folder)) return "フォルダを同期できません: " + folder;
  return std::nullopt;
}

std::optional<QString> SaveGames::read(const QString& path) {
  try {
    ui::loadGameFile(desktop_, QFile::encodeName(path).toStdString());
  } catch (const ui::SaveError& error) {
    return QString::fromUtf8(error.what());
  }
  dropOffer();
  wasPlayersStep_ = desktop_.playersStep();
  view_.replaced();
  return std::nullopt;
}

bool SaveGames::autosave() {
  // The one before stays whole until the new one is in place.
  if (QFile::exists(autosavePath())) {
    QFile::remove(previousAutosavePath());
    QFile::rename(autosavePath(), previousAutosavePath());
  }
  if (std::optional<QString> error = write(autosavePath())) {
    std::fprintf(stderr, "gunsei: the autosave %s failed: %s\n",
                 QFile::encodeName(autosavePath()).constData(), error->toUtf8().constData());
    return false;
  }
  return true;
}

std::optional<std::pair<QString, QString>> SaveGames::readableAutosave() {
  for (const QString& path : {autosavePath(), previousAutosavePath()}) {
    if (!QFile::exists(path)) continue;
    try {
      const std::string text = ui::readSaveFile(QFile::encodeName(path).toStdString());
      const std::vector<std::string> title = ui::readSavePart(desktop_, text, "title");
      if (title.size() == 1 && !title[0].empty())
        return std::pair{path, QString::fromStdString(title[0])};
    } catch (const ui::SaveError& error) {
      std::fprintf(stderr, "gunsei: %s: %s\n", QFile::encodeName(path).constData(), error.what());
    }
  }
  return std::nullopt;
}

void SaveGames::afterEvent() {
  if (desktop_.ended()) return;
  const bool step = desktop_.playersStep();
  const bool starts = step && !wasPlayersStep_;
  wasPlayersStep_ = step;
  if (starts && !autosave())
    tell("自動保存できませんでした", "自動保存を書き込めませんでした: " + autosavePath());
}

void SaveGames::ending() {
  // Inside the game's last handler: no dialog may open here.
  if (desktop_.gameOver()) {
    QFile::remove(autosavePath());
    QFile::remove(previousAutosavePath());
  } else if (!desktop_.gameTitle().empty()) {
    autosave();
  }
}

void SaveGames::offerContinue() {
  const auto found = readableAutosave();
  if (!found) return;
  ScreenWindow* first = nullptr;
  for (ui::SlotBase* slot : desktop_.slots())
    if (!first && slot->shown()) first = view_.window(slot->name());
  if (!first) return;
  offered_ = found->first;
  offer_ = new QPushButton("続きから　" + found->second, first);
  offer_->setObjectName("continue");
  QFont font = offer_->font();
  font.setPointSizeF(14);
  offer_->setFont(font);
  offer_->adjustSize();
  const QSize size(std::max(offer_->width() + 48, 360), offer_->height() + 16);
  offer_->setGeometry((first->width() - size.width()) / 2, first->height() - size.height() - 40,
                      size.width(), size.height());
  connect(offer_, &QPushButton::clicked, this, [this] { continueGame(); });
  offer_->show();
  offer_->raise();
  offer_->setFocus();
  qApp->installEventFilter(this);
}

bool SaveGames::eventFilter(QObject* watched, QEvent* event) {
  if (!offer_ || !watched->isWidgetType()) return false;
  if (event->type() == QEvent::MouseButtonPress && watched != offer_) {
    dropOffer();
  } else if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      continueGame();
      return true;
    }
    dropOffer();
  }
  return false;
}

void SaveGames::continueGame() {
  const QString path = offered_;
  dropOffer();
  if (std::optional<QString> error = read(path)) tell("読み込めませんでした", path + ": " + *error);
}

void SaveGames::dropOffer() {
  if (!offer_) return;
  qApp->removeEventFilter(this);
  offer_->hide();
  offer_->deleteLater();
  offer_ = nullptr;
}

QWidget* SaveGames::dialogParent() const {
  if (QWidget* active = QApplication::activeWindow()) return active;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible()) return window;
  return nullptr;
}

QString SaveGames::proposedName() const {
  const QString title = QString::fromStdString(desktop_.gameTitle());
  return folder_ + "/" + (title.isEmpty() ? QString("群星の年代記") : title) + ".save";
}

void SaveGames::saveByDialog() {
  if (desktop_.ended()) return;
  QDir().mkpath(folder_);
  QString path = QFileDialog::getSaveFileName(dialogParent(), "保存", proposedName(), kFilter,
                                              nullptr, QFileDialog::DontUseNativeDialog);
  if (path.isEmpty()) return;
  if (!path.endsWith(".save")) path += ".save";
  if (std::optional<QString> error = write(path))
    tell("保存できませんでした", path + ": " + *error);
}

void SaveGames::loadByDialog() {
  QDir().mkpath(folder_);
  const QString path = QFileDialog::getOpenFileName(dialogParent(), "読み込み", folder_, kFilter,
                                                    nullptr, QFileDialog::DontUseNativeDialog);
  if (path.isEmpty()) return;
  if (std::optional<QString> error = read(path)) tell("読み込めませんでした", path + ": " + *error);
}

void SaveGames::tell(const QString& title, const QString& text) {
  QMessageBox::warning(dialogParent(), title, text);
}

}  // namespace qtview
