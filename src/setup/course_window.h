#pragma once
// The course settings window `tcrs`: "Ratings, Pars & Handicap Holes".
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QWidget>
#include <array>

#include "data/state.h"
#include "setup/course_form.h"
#include "ui/resizer.h"
#include "ui/window_frame.h"

namespace teebrook {

class CourseWindow : public QWidget {
  Q_OBJECT
 public:
  CourseWindow(State& state, Resizer& resizer);
  WindowFrame* frame() const { return frame_; }
  CourseForm& form() { return form_; }
  std::optional<std::string> tipText(int n) const;
  // The window's tag: "B" when opened from the main window.
  std::string tag;

  void activate();
  void leave();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct TabBoxes {
    std::array<QLineEdit*, 19> pars{};
    std::array<QLineEdit*, 18> strokeIndexes{};
    std::array<QLineEdit*, 6> ratings{};
    QGroupBox* frame = nullptr;
  };
  void buildTab(QWidget* page, CourseForm::Sex sex, const QString& parName, const QString& siName,
                const QString& ratingName, const QString& caption);
  void showForm();
  void focusNext(CourseForm::Sex sex, const CourseForm::Next& next);

  State& state_;
  CourseForm form_;
  WindowFrame* frame_;
  QTabWidget* tabs_;
  std::array<TabBoxes, 2> boxes_;
  QLineEdit* name_;
  QComboBox* combo_;
  bool leaving_ = false;
};

}  // namespace teebrook
