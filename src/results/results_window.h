#pragma once
// The results window `tsrt`: "Select Tournament Sort ".
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <memory>

#include "data/state.h"
#include "results/display_window.h"
#include "results/results_selection.h"
#include "ui/resizer.h"
#include "ui/spin_button.h"
#include "ui/window_frame.h"

namespace teebrook {

// The report channel of the desktop program: the display window, and a print preview from which
// the user prints or saves a PDF.
class WindowChannel final : public ReportChannel {
 public:
  WindowChannel(State& state, Resizer& resizer, QWidget* owner);
  void gridopen(std::shared_ptr<GridModel> grid) override;
  void gridcell(int row, int column) override;
  bool print(const PrinterDocument& document) override;
  DisplayWindow* display() const { return display_.get(); }
  // Tests replace the print preview.
  std::function<bool(const PrinterDocument&)> printer;

 private:
  State& state_;
  Resizer& resizer_;
  QWidget* owner_;
  std::unique_ptr<DisplayWindow> display_;
};

class ResultsWindow : public QWidget {
  Q_OBJECT
 public:
  ResultsWindow(State& state, Resizer& resizer);
  ResultsSelection& selection() { return sel_; }
  WindowChannel& channel() { return channel_; }
  WindowFrame* frame() const { return frame_; }
  std::optional<std::string> tipText(int n) const;

  // Opening: the choices kept from earlier, Display, highlight 0.
  void load();
  void continueOn();

 signals:
  // The main window hides while a report runs and shows again when this window is left.
  void hideMain();

 private:
  void showChoices();

  State& state_;
  ResultsSelection sel_;
  WindowChannel channel_;
  WindowFrame* frame_;
  QLabel *pan1_, *pan2_, *pan3_, *pan4_, *label2_;
  SpinButton* spin5_;
  QCheckBox* check1_;
  QRadioButton *display_, *print_;
};

}  // namespace teebrook
