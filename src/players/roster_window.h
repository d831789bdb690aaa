#pragma once
// The roster window `adpl`: "Add/Edit Tournament Players".
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>
#include <array>

#include "data/state.h"
#include "players/roster_form.h"
#include "ui/resizer.h"
#include "ui/window_frame.h"

namespace teebrook {

class RosterWindow : public QWidget {
  Q_OBJECT
 public:
  RosterWindow(State& state, Resizer& resizer);
  RosterForm& form() { return form_; }
  WindowFrame* frame() const { return frame_; }
  std::optional<std::string> tipText(int n) const;
  // Opening: the main window's tag says why.
  void open(const std::string& mainTag);
  // E&xit: true when players were deleted.
  bool leave();

 signals:
  void playersDeleted();

 private:
  void showForm();
  void readBoxes();
  void tabChanged(int index);
  QLineEdit* box(QWidget* parent, int index, int mode, long l, long t, long w, int maxLength);

  State& state_;
  RosterForm form_;
  WindowFrame* frame_;
  QTabWidget* tabs_;
  std::array<QLineEdit*, 12> text1_{};  // Text1(1..11)
  std::array<QLineEdit*, 9> text2_{};
  std::array<QLabel*, 12> panels_{};  // Panel3D8(0..11)
  QComboBox* players_;
  QComboBox* sex_;
  QCheckBox* competing_;
  QLabel* percent_;
  QCheckBox *check2_, *check3_, *check4_, *check8_;
  std::array<QPushButton*, 4> recordButtons_{};  // Add, Edit, Clear, Delete
  bool loading_ = false;
};

}  // namespace teebrook
