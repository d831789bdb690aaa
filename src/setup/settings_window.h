#pragma once
// The settings window `dflt`: "Program and Tournament Settings".
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>
#include <array>

#include "data/state.h"
#include "setup/settings_form.h"
#include "ui/resizer.h"
#include "ui/window_frame.h"

namespace teebrook {

class SettingsWindow : public QWidget {
  Q_OBJECT
 public:
  SettingsWindow(State& state, Resizer& resizer);
  WindowFrame* frame() const { return frame_; }
  std::optional<std::string> tipText(int n) const;
  void save();

 private:
  QLineEdit* box(QWidget* page, const QString& name, int mode, long l, long t, long w);
  void showForm();
  void readForm();
  void calcToggled(bool on);

  State& state_;
  SettingsForm form_;
  WindowFrame* frame_;
  QTabWidget* tabs_;
  std::array<QLineEdit*, 5> text1_{};  // percentages, start time, increment, host directory
  std::array<QLineEdit*, 7> text4_{};  // point boxes
  std::array<QLineEdit*, 7> text2_{};  // hidden holes and the seasonal count
  QLineEdit* multiplier_;
  QCheckBox *chk1_, *chk2_, *chk3_, *chk4_, *check1_;
  QRadioButton *usa_, *canadian_;
  std::array<QRadioButton*, 3> tieBreak_{};
};

}  // namespace teebrook
