#pragma once
// The tournament file window `tfil`: "Select Tournament File".
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

#include "data/state.h"
#include "setup/tournament_files.h"
#include "ui/resizer.h"
#include "ui/window_frame.h"

namespace teebrook {

class TournamentFileWindow : public QWidget {
  Q_OBJECT
 public:
  TournamentFileWindow(State& state, Resizer& resizer);
  WindowFrame* frame() const { return frame_; }
  TournamentFileForm& form() { return form_; }
  std::optional<std::string> tipText(int n) const;
  void activate();
  void continueOn();
  void deleteFile();

 private:
  void showForm();

  State& state_;
  TournamentFileForm form_;
  WindowFrame* frame_;
  QListWidget* files_;
  QLabel* chosen_;
  QLineEdit* newName_;
  QComboBox* courses_;
};

}  // namespace teebrook
