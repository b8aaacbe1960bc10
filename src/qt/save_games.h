// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Saved games on the desktop: the autosave at the start of every player's
// step and when a game is closed or quit midway (the one before it kept), the
// offer to continue it on the first screen, and the player's own saves and
// loads from the game's menu, in the game's save folder. Every file is
// written atomically and the folder synced; a file that cannot be written or
// read is told to the player and the game goes on as it was.

#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "qt/game_menu.h"
#include "qt/qt_desktop.h"
#include "ui/save_part.h"

namespace qtview {

class SaveGames : public QObject {
 public:
  // Saves go to `folder` (the game's own AppDataLocation when empty).
  SaveGames(ui::Desktop& desktop, QtDesktop& view, QString folder = {});
  ~SaveGames() override;

  // 保存… (Ctrl+S) and 読み込み… (Ctrl+O) for the game's menu.
  GameMenu::Entry saveEntry();
  GameMenu::Entry loadEntry();

  // On the first screen, when an autosave can be read: a button naming its
  // nation and date ("続きから　グラドウェン騎士団　1232年 5月") that loads it,
  // by a click or Enter. Any other click or key takes the offer away.
  void offerContinue();
  // The offer's button while it is shown, or null.
  QPushButton* offer() const { return offer_; }

  QString folder() const { return folder_; }
  QString autosavePath() const;
  QString previousAutosavePath() const;

  // Writes the running game to `path` atomically: the error's text, or
  // nothing when it was saved.
  std::optional<QString> write(const QString& path);
  // Replaces the running game by the one in `path`: the error's text, or
  // nothing when it was loaded.
  std::optional<QString> read(const QString& path);
  // The autosave, the previous one moved aside first. False when it failed
  // (the player is told).
  bool autosave();
  // The newest autosave that can be read, with its title, if any.
  std::optional<std::pair<QString, QString>> readableAutosave();

  // The dialogs of the menu's entries.
  void saveByDialog();
  void loadByDialog();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The title of the game in a saved file ("title" part), for the offer.
  class TitlePart : public ui::SavePart {
   public:
    explicit TitlePart(const ui::Desktop& desktop) : desktop_(desktop) {}
    std::string partName() const override { return "title"; }
    std::vector<std::string> saveLines() const override;
    std::function<void()> readLines(const std::vector<std::string>& lines) const override;

   private:
    const ui::Desktop& desktop_;
  };

  void afterEvent();
  void ending();
  void continueGame();
  void dropOffer();
  void tell(const QString& title, const QString& text);
  QWidget* dialogParent() const;
  QString proposedName() const;

  ui::Desktop& desktop_;
  QtDesktop& view_;
  QString folder_;
  TitlePart titlePart_;
  QPointer<QPushButton> offer_;
  QString offered_;  // the autosave the offer loads
  bool wasPlayersStep_ = false;
};

}  // namespace qtview
