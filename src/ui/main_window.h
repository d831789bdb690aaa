#pragma once
// The main window: the score entry screen, home of every command.
#include <QLabel>
#include <QMainWindow>

#include "data/state.h"
#include "ui/status_line.h"

namespace teebrook {

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(State& state, QWidget* parent = nullptr);

  // Exit: shut down without a question.
  void endit();
  void hlper();
  StatusLine* statusLine() const { return status_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  State& state_;
  QLabel* title_;
  QLabel* statusPanel_;
  StatusLine* status_;
  bool shutDown_ = false;
};

}  // namespace teebrook
