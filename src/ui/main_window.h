#pragma once
// The main window `scor`: the score entry screen, home of every command.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QToolButton>
#include <array>
#include <memory>

#include "data/state.h"
#include "scoring/score_entry.h"
#include "ui/main_commands.h"
#include "ui/resizer.h"
#include "ui/status_line.h"

namespace teebrook {

class CourseWindow;
class ResultsWindow;
class RosterWindow;
class SettingsWindow;
class TournamentFileWindow;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(State& state, Resizer& resizer, QWidget* parent = nullptr);

  // The short text that the windows opened from here read to learn why they were opened.
  const std::string& tag() const { return tag_; }
  ScoreEntry& entry() { return entry_; }
  StatusLine* statusLine() const { return status_; }

  // Refreshes the names, the visibility of the commands and the player list (each activation).
  void activateForm();
  // Runs a command as its menu entry or button does.
  void runCommand(MainCommand command);
  // Exit: shut down without a question.
  void endit();

  // The status tip of a number.
  std::optional<std::string> tipText(int n) const;

  // The windows opened from here, once they have been opened.
  TournamentFileWindow* tournamentFileWindow() const { return tfil_.get(); }
  SettingsWindow* settingsWindow() const { return dflt_.get(); }
  CourseWindow* courseWindow() const { return tcrs_.get(); }
  ResultsWindow* resultsWindow() const { return tsrt_.get(); }
  RosterWindow* rosterWindow() const { return adpl_.get(); }

  ~MainWindow() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  void buildControls();
  void bindTips();
  QLabel* panel(const QString& name, const QString& text, long l, long t, long w, long h);
  void showEntry();
  void applyAction(const ScoreEntry::Action& a);
  void focusHole(int h);
  void playerClicked(QListWidgetItem* item);
  void holeEdited(int h, const QString& text);
  void save();
  void clearScore();
  void togglePars();
  void colourParRow();
  void showAbout();

  State& state_;
  Resizer& resizer_;
  ScoreEntry entry_;
  std::string tag_;
  bool shutDown_ = false;

  QWidget* area_;
  QListWidget* list_;
  std::array<QLabel*, 7> panels_{};  // SSPanel1(0..6)
  std::array<QLabel*, 19> headings_{};
  std::array<QLabel*, 19> labels_{};
  std::array<QLineEdit*, 18> holes_{};
  QLineEdit* total_;
  QLabel* netTotal_;
  QLabel* pan4_;
  QLabel* loaded_;  // Label2, "LDD" once a tournament is loaded
  QLabel* title_;
  QLabel* statusPanel_;
  QPushButton* stats_;
  QPushButton* clear_;
  QPushButton* save_;
  QMenu* statsMenu_ = nullptr;
  QMenu* handicapMenu_ = nullptr;
  StatusLine* status_ = nullptr;
  std::unique_ptr<TournamentFileWindow> tfil_;
  std::unique_ptr<SettingsWindow> dflt_;
  std::unique_ptr<CourseWindow> tcrs_;
  std::unique_ptr<ResultsWindow> tsrt_;
  std::unique_ptr<RosterWindow> adpl_;
};

}  // namespace teebrook
