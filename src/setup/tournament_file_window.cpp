#include "setup/tournament_file_window.h"

#include <QGroupBox>
#include <QPushButton>

#include "data/utilities.h"
#include "ui/form_scaler.h"
#include "ui/key_filter.h"
#include "ui/window_frame.h"

namespace teebrook {
namespace {
QString qs(const std::string& s) {
  return QString::fromStdString(s);
}
}  // namespace

TournamentFileWindow::TournamentFileWindow(State& state, Resizer& resizer)
    : state_(state),
      form_(state),
      frame_(new WindowFrame(this, state, resizer, 6270, 3435, 90)),
      files_(new QListWidget(this)),
      chosen_(new QLabel(this)) {
  setObjectName(QStringLiteral("tfil"));
  setWindowTitle(QStringLiteral("Select Tournament File"));
  const QFont fixed = listFont();
  files_->setObjectName(QStringLiteral("File1"));
  files_->setFont(fixed);
  placeTwips(files_, 60, 60, 2400, 2400);
  connect(files_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    form_.chooseFile(item->text().toStdString());
    showForm();
  });
  chosen_->setObjectName(QStringLiteral("Panel3D1"));
  chosen_->setFont(fixed);
  chosen_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  placeTwips(chosen_, 60, 2580, 2400, 315);

  auto* add = new QGroupBox(QStringLiteral("Add New Tournament File"), this);
  add->setObjectName(QStringLiteral("Frame1"));
  placeTwips(add, 2580, 60, 3600, 900);
  auto* label = new QLabel(QStringLiteral("New Filename"), add);
  label->setObjectName(QStringLiteral("Label2"));
  placeTwips(label, 120, 360, 1300, 285);
  newName_ = new QLineEdit(add);
  newName_->setObjectName(QStringLiteral("Text1"));
  placeTwips(newName_, 1500, 330, 1900, 315);
  new KeyFilter(newName_, 0, [this] { state_.platform.feedback.beep(); });
  connect(newName_, &QLineEdit::textEdited, this,
          [this](const QString& t) { form_.newName = t.toStdString(); });
  onFocusOut(newName_, [this] {
    if (newName_->text().trimmed().isEmpty()) return;
    form_.newNameLeft();
    files_->clearSelection();
    showForm();
  });

  auto* course = new QGroupBox(QStringLiteral("Select Course Setting"), this);
  course->setObjectName(QStringLiteral("Frame2"));
  placeTwips(course, 2580, 1050, 3600, 800);
  courses_ = new QComboBox(course);
  courses_->setObjectName(QStringLiteral("Combo1"));
  courses_->setFont(fixed);
  placeTwips(courses_, 120, 330, 3360, 315);
  connect(courses_, &QComboBox::activated, this,
          [this](int index) { form_.chooseCourse(entryRecord(courses_->itemText(index).toStdString())); });

  auto* del = new QPushButton(QStringLiteral("&Delete File"), this);
  del->setObjectName(QStringLiteral("Cmd2"));
  placeTwips(del, 2580, 2040, 1700, 420);
  connect(del, &QPushButton::clicked, this, &TournamentFileWindow::deleteFile);
  auto* go = new QPushButton(QStringLiteral("&Continue"), this);
  go->setObjectName(QStringLiteral("Cmd3"));
  placeTwips(go, 4480, 2040, 1700, 420);
  connect(go, &QPushButton::clicked, this, &TournamentFileWindow::continueOn);

  StatusLine* tips = frame_->addStatusLine(QStringLiteral("Panel3D3"), [this](int n) { return tipText(n); });
  tips->bind(files_, 1);
  tips->bind(course, 2);
  tips->bind(courses_, 2);
  tips->bind(add, 3);
  tips->bind(newName_, 3);
  tips->bind(del, 4);
  tips->bind(chosen_, 5);
  tips->bind(go, 6);
  frame_->finish();
  frame_->centre();
}

std::optional<std::string> TournamentFileWindow::tipText(int n) const {
  switch (n) {
    case 1:
      return " Click on tournament filename to select";
    case 2:
      return " Attach a course setting to the selected tournament file";
    case 3:
      return " Enter a new filename. Maximum 8 letters. Extension not required  ";
    case 4:
      return " Deletes tournament file. Use with caution!";
    case 5:
      return " Displays selected tournament filename";
    case 6:
      return " Return to main entry screen";
    default:
      return std::nullopt;
  }
}

void TournamentFileWindow::activate() {
  form_.activate();
  showForm();
}

void TournamentFileWindow::showForm() {
  files_->clear();
  for (const std::string& f : form_.files) files_->addItem(qs(f));
  for (int i = 0; i < files_->count(); ++i) {
    if (files_->item(i)->text().toStdString() == form_.chosen) files_->setCurrentRow(i);
  }
  chosen_->setText(qs(form_.chosen));
  newName_->setText(qs(form_.newName));
  courses_->clear();
  int current = -1;
  for (const std::string& e : form_.courses) {
    courses_->addItem(qs(e));
    if (entryRecord(e) == form_.course) current = courses_->count() - 1;
  }
  courses_->setCurrentIndex(current);
}

void TournamentFileWindow::deleteFile() {
  form_.deleteFile();
  showForm();
}

void TournamentFileWindow::continueOn() {
  form_.newName = newName_->text().toStdString();
  const auto result = form_.continueOn();
  showForm();
  if (result == TournamentFileForm::Result::Stay) {
    if (form_.newName.empty()) newName_->setFocus();
    return;
  }
  close();
}

}  // namespace teebrook
