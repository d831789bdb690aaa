#include "ui/qt_feedback.h"

#include <QApplication>
#include <QMessageBox>

namespace teebrook {
namespace {

QMessageBox::Icon iconOf(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Warning:
      return QMessageBox::Warning;
    case Icon::Question:
      return QMessageBox::Question;
    case Icon::Critical:
      return QMessageBox::Critical;
    case Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(Buttons b) {
  switch (b) {
    case Buttons::Ok:
      return QMessageBox::Ok;
    case Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel:
      return QMessageBox::Retry | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

Answer answerOf(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Retry:
      return Answer::Retry;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      return Answer::Ok;
  }
}

}  // namespace

void QtFeedback::message(const std::string& text, const std::string& title, Icon icon) {
  QMessageBox box(iconOf(icon), QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

Answer QtFeedback::ask(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
  QMessageBox box(iconOf(icon), QString::fromStdString(title), QString::fromStdString(text),
                  buttonsOf(buttons), QApplication::activeWindow());
  return answerOf(box.exec());
}

void QtFeedback::beep() {
  QApplication::beep();
}

void QtFeedback::busy(bool on) {
  if (on) {
    ++busyDepth_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busyDepth_ > 0) {
    --busyDepth_;
    QApplication::restoreOverrideCursor();
  }
}

void QtFeedback::tip(const std::string& text) {
  tipWindow_.poptip(QString::fromStdString(text));
}

}  // namespace teebrook
