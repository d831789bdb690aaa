#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "data/utilities.h"

namespace teebrook {

MainWindow::MainWindow(State& state, QWidget* parent)
    : QMainWindow(parent), state_(state), title_(new QLabel), statusPanel_(new QLabel) {
  setObjectName(QStringLiteral("scor"));
  setWindowTitle(QStringLiteral("Teebrook - Score Entry"));
  resize(553, 281);  // 8295 × 4215 twips at 96 dpi

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  title_->setObjectName(QStringLiteral("SSPanel2"));
  title_->setText(QString::fromStdString(ttltxt("")));
  title_->setAlignment(Qt::AlignCenter);
  QFont big = title_->font();
  big.setPointSize(18);
  big.setBold(true);
  title_->setFont(big);
  layout->addWidget(title_, 1);
  statusPanel_->setObjectName(QStringLiteral("Panel3D5"));
  statusPanel_->setFrameShape(QFrame::Panel);
  statusPanel_->setFrameShadow(QFrame::Sunken);
  layout->addWidget(statusPanel_);
  setCentralWidget(central);

  QAction* help = menuBar()->addAction(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("hlper"));
  connect(help, &QAction::triggered, this, &MainWindow::hlper);
  QAction* exit = menuBar()->addAction(QStringLiteral("E&xit"));
  exit->setObjectName(QStringLiteral("endit"));
  connect(exit, &QAction::triggered, this, &MainWindow::endit);

  status_ = new StatusLine(
      this, statusPanel_, [this] { return state_.settings.showTips.is("Y"); },
      [](int) -> std::optional<std::string> { return std::nullopt; },
      [this](const QString& text) { state_.platform.feedback.tip(text.toStdString()); });
  status_->bind(title_, 0);
  if (state_.settings.showTips.is("Y")) status_->timer().start();
}

void MainWindow::hlper() {
  state_.platform.help.show(10);
}

void MainWindow::endit() {
  if (!shutDown_) {
    shutDown_ = true;
    shutdn(state_);
  }
  QApplication::closeAllWindows();
  QApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!shutDown_) {
    shutDown_ = true;
    shutdn(state_);
    QApplication::closeAllWindows();
  }
  event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    hlper();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    state_.platform.help.show(220);
    return;
  }
  QMainWindow::mousePressEvent(event);
}

}  // namespace teebrook
