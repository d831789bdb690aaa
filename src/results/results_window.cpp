#include "results/results_window.h"

#include <QGroupBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>

#include "results/results_run.h"
#include "ui/form_scaler.h"
#include "ui/page_renderer.h"

namespace teebrook {
namespace {
QString qs(const std::string& s) {
  return QString::fromStdString(s);
}
}  // namespace

WindowChannel::WindowChannel(State& state, Resizer& resizer, QWidget* owner)
    : state_(state), resizer_(resizer), owner_(owner) {}

void WindowChannel::gridopen(std::shared_ptr<GridModel> grid) {
  if (!display_) {
    display_ = std::make_unique<DisplayWindow>(state_, resizer_);
    // Leaving the grid brings back the window that asked for it.
    QObject::connect(display_->frame(), &WindowFrame::closed, owner_, [this] {
      owner_->show();
      owner_->raise();
    });
  }
  display_->showGrid(std::move(grid));
}

void WindowChannel::gridcell(int row, int column) {
  if (display_) display_->model().cellWritten(row, column);
}

bool WindowChannel::print(const PrinterDocument& document) {
  if (printer) return printer(document);
  QPrinter device(QPrinter::HighResolution);
  device.setDocName(QStringLiteral("Teebrook"));
  QPrintPreviewDialog preview(&device, owner_);
  preview.setWindowTitle(QStringLiteral("Print Preview"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, owner_,
                   [&document](QPrinter* p) { renderDocument(*p, document); });
  state_.platform.feedback.busy(false);
  preview.exec();
  return true;
}

ResultsWindow::ResultsWindow(State& state, Resizer& resizer)
    : state_(state),
      sel_(state),
      channel_(state, resizer, this),
      frame_(new WindowFrame(this, state, resizer, 5175, 3525, 200)) {
  setObjectName(QStringLiteral("tsrt"));
  setWindowTitle(QStringLiteral("Select Tournament Sort "));
  const auto label = [&](const char* name, const char* text, long l, long t, long w) {
    auto* lab = new QLabel(QString::fromUtf8(text), this);
    lab->setObjectName(QString::fromUtf8(name));
    placeTwips(lab, l, t, w, 255);
    return lab;
  };
  const auto panel = [&](const char* name, long t) {
    auto* p = new QLabel(this);
    p->setObjectName(QString::fromUtf8(name));
    p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    p->setAlignment(Qt::AlignCenter);
    placeTwips(p, 120, t, 1800, 330);
    return p;
  };
  const auto spin = [&](const char* name, long l, long t) {
    auto* s = new SpinButton(this);
    s->setObjectName(QString::fromUtf8(name));
    placeTwips(s, l, t, 255, 330);
    return s;
  };
  label("Label1(0)", "Competition", 120, 120, 1800);
  pan1_ = panel("pan1", 375);
  SpinButton* spin1 = spin("SpinButton1", 1950, 375);
  label("Label1(2)", "Sort For", 120, 780, 1800);
  pan2_ = panel("pan2", 1035);
  SpinButton* spin2 = spin("SpinButton2", 1950, 1035);
  label("Label1(1)", "Grouping ", 120, 1440, 1800);
  pan3_ = panel("pan3", 1695);
  SpinButton* spin3 = spin("SpinButton3", 1950, 1695);
  label("Label1(3)", "Flight", 120, 2100, 1800);
  pan4_ = panel("pan4", 2355);
  SpinButton* spin4 = spin("SpinButton4", 1950, 2355);
  spin5_ = spin("SpinButton5", 2550, 375);
  label2_ = new QLabel(this);
  label2_->setObjectName(QStringLiteral("Label2"));
  label2_->setFrameStyle(QFrame::Box | QFrame::Plain);
  label2_->setAlignment(Qt::AlignCenter);
  placeTwips(label2_, 2850, 375, 500, 330);
  check1_ = new QCheckBox(QStringLiteral("Add to Totals?"), this);
  check1_->setObjectName(QStringLiteral("Check1"));
  placeTwips(check1_, 2550, 780, 2400, 285);
  auto* frame = new QGroupBox(this);
  frame->setObjectName(QStringLiteral("SSPanel1"));
  placeTwips(frame, 2550, 1100, 2450, 900);
  display_ = new QRadioButton(QStringLiteral("&Display"), frame);
  display_->setObjectName(QStringLiteral("opt1(0)"));
  placeTwips(display_, 150, 180, 2000, 285);
  print_ = new QRadioButton(QStringLiteral("&Print"), frame);
  print_->setObjectName(QStringLiteral("opt1(1)"));
  placeTwips(print_, 150, 500, 2000, 285);
  auto* go = new QPushButton(QStringLiteral("&Continue"), this);
  go->setObjectName(QStringLiteral("cmd1"));
  placeTwips(go, 2550, 2200, 1200, 420);
  auto* exit = new QPushButton(QStringLiteral("&Exit"), this);
  exit->setObjectName(QStringLiteral("cmd2"));
  placeTwips(exit, 3800, 2200, 1200, 420);

  connect(spin1, &SpinButton::stepped, this, [this](int d) {
    sel_.stepCompetition(d);
    showChoices();
  });
  connect(spin2, &SpinButton::stepped, this, [this](int d) {
    sel_.stepSort(d);
    showChoices();
  });
  connect(spin3, &SpinButton::stepped, this, [this](int d) {
    sel_.stepGrouping(d);
    showChoices();
  });
  connect(spin4, &SpinButton::stepped, this, [this](int d) {
    sel_.stepFlight(d);
    showChoices();
  });
  connect(spin5_, &SpinButton::stepped, this, [this](int d) {
    sel_.stepHighlight(d);
    showChoices();
  });
  connect(check1_, &QCheckBox::toggled, this, [this](bool on) { sel_.addToTotals = on; });
  connect(display_, &QRadioButton::toggled, this, [this](bool on) { sel_.display = on; });
  connect(go, &QPushButton::clicked, this, &ResultsWindow::continueOn);
  connect(exit, &QPushButton::clicked, this, &QWidget::close);

  StatusLine* tips = frame_->addStatusLine(QStringLiteral("Panel3D3"), [this](int n) { return tipText(n); });
  tips->bind(pan1_, 1);
  tips->bind(pan3_, 2);
  tips->bind(pan2_, 3);
  tips->bind(pan4_, 4);
  tips->bind(frame, 5);
  tips->bind(check1_, 6);
  tips->bind(label2_, 7);
  frame_->finish();
  frame_->centre();
}

std::optional<std::string> ResultsWindow::tipText(int n) const {
  switch (n) {
    case 1:
      return " Select type of tournament.  ";
    case 2:
      return " Select whether scoring is by group, total or individual";
    case 3:
      return " Select method of sorting the tournament scores";
    case 4:
      return "  Select sorting by flight or total players";
    case 5:
      return " Display, print scores as selected";
    case 6:
      return " Adds Round Robin points to Seasonal Totals";
    case 7:
      return " Highlights printed hole scores equal to selected number";
    default:
      return std::nullopt;
  }
}

void ResultsWindow::load() {
  sel_.load();
  display_->setChecked(true);
  check1_->setChecked(false);
  showChoices();
}

void ResultsWindow::showChoices() {
  pan1_->setText(qs(sel_.competitionCaption));
  pan2_->setText(qs(sel_.sortCaption));
  pan3_->setText(qs(sel_.groupingCaption));
  pan4_->setText(qs(sel_.flightText()));
  label2_->setText(qs(sel_.highlightText()));
  check1_->setVisible(sel_.addToTotalsVisible);
  spin5_->setVisible(sel_.highlightVisible);
  label2_->setVisible(sel_.highlightVisible);
}

void ResultsWindow::continueOn() {
  emit hideMain();
  runResults(state_, channel_, sel_);
}

}  // namespace teebrook
