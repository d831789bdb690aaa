#include "setup/course_window.h"

#include <QCloseEvent>
#include <QLabel>
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
constexpr long kBoxLeft = 420, kBoxStep = 400, kBoxWidth = 380;
}  // namespace

CourseWindow::CourseWindow(State& state, Resizer& resizer)
    : state_(state),
      form_(state),
      frame_(new WindowFrame(this, state, resizer, 8295, 4290, 100)),
      tabs_(new QTabWidget(this)) {
  setObjectName(QStringLiteral("tcrs"));
  setWindowTitle(QStringLiteral("Ratings, Pars & Handicap Holes"));
  tabs_->setObjectName(QStringLiteral("SSTab1"));
  placeTwips(tabs_, 60, 60, 8175, 2280);
  auto* men = new QWidget;
  auto* ladies = new QWidget;
  tabs_->addTab(men, QStringLiteral("Men's Pars and Handicap Holes"));
  tabs_->addTab(ladies, QStringLiteral("Ladie's Pars and Handicap Holes"));
  buildTab(men, CourseForm::Sex::Men, QStringLiteral("Text1"), QStringLiteral("Text2"),
           QStringLiteral("Text3"), QStringLiteral("Men"));
  buildTab(ladies, CourseForm::Sex::Ladies, QStringLiteral("Text5"), QStringLiteral("Text6"),
           QStringLiteral("Text7"), QStringLiteral("Ladies"));

  auto* add = new QGroupBox(QStringLiteral("Add New Setting"), this);
  add->setObjectName(QStringLiteral("Frame1"));
  placeTwips(add, 60, 2440, 3000, 800);
  name_ = new QLineEdit(add);
  name_->setObjectName(QStringLiteral("Text4"));
  name_->setMaxLength(25);
  placeTwips(name_, 120, 330, 2760, 315);
  new KeyFilter(name_, 0, [this] { state_.platform.feedback.beep(); });
  selectAllOnFocus(name_);
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.newName = t.toStdString(); });
  onFocusOut(name_, [this] {
    form_.newName = name_->text().toStdString();
    combo_->setCurrentIndex(-1);
    form_.nameLeft();
    showForm();
  });

  auto* edit = new QGroupBox(QStringLiteral("Edit Setting"), this);
  edit->setObjectName(QStringLiteral("Frame2"));
  placeTwips(edit, 3150, 2440, 3000, 800);
  combo_ = new QComboBox(edit);
  combo_->setObjectName(QStringLiteral("Combo1"));
  const QFont fixed = listFont();
  combo_->setFont(fixed);
  placeTwips(combo_, 120, 330, 2760, 315);
  connect(combo_, &QComboBox::activated, this, [this](int index) {
    form_.selectSetting(entryRecord(combo_->itemText(index).toStdString()));
    name_->clear();
    showForm();
    tabs_->setFocus();
  });

  const auto button = [&](const char* name, const char* caption, long l, long t, long w) {
    auto* b = new QPushButton(QString::fromUtf8(caption), this);
    b->setObjectName(QString::fromUtf8(name));
    placeTwips(b, l, t, w, 375);
    return b;
  };
  auto* save = button("cmd5", "&Save", 6300, 2480, 900);
  auto* del = button("cmd3", "&Delete", 7260, 2480, 900);
  auto* exit = button("cmd4", "E&xit", 6300, 2900, 1860);
  connect(save, &QPushButton::clicked, this, [this] {
    form_.save();
    showForm();
  });
  connect(del, &QPushButton::clicked, this, [this] {
    form_.deleteSetting();
    showForm();
  });
  connect(exit, &QPushButton::clicked, this, &CourseWindow::leave);

  StatusLine* tips = frame_->addStatusLine(QStringLiteral("Panel3D5"), [this](int n) { return tipText(n); });
  tips->bind(name_, 1);
  tips->bind(edit, 2);
  tips->bind(combo_, 2);
  for (int s = 0; s < 2; ++s) {
    TabBoxes& b = boxes_[static_cast<std::size_t>(s)];
    for (QLineEdit* p : b.pars) tips->bind(p, s == 0 ? 5 : 8);
    for (QLineEdit* h : b.strokeIndexes) tips->bind(h, s == 0 ? 4 : 7);
    for (QLineEdit* r : b.ratings) tips->bind(r, s == 0 ? 3 : 6);
  }
  tips->bind(del, 9);
  tips->bind(save, 10);
  tips->bind(tabs_, 0);
  frame_->finish();
  frame_->centre();
  tabs_->setCurrentIndex(0);
}

void CourseWindow::buildTab(QWidget* page, CourseForm::Sex sex, const QString& parName, const QString& siName,
                            const QString& ratingName, const QString& caption) {
  TabBoxes& b = boxes_[static_cast<std::size_t>(sex)];
  b.frame = new QGroupBox(caption, page);
  b.frame->setObjectName(caption + QStringLiteral("Frame"));
  placeTwips(b.frame, 30, 30, 8040, 1800);
  const auto beep = [this] { state_.platform.feedback.beep(); };
  for (int h = 0; h < 19; ++h) {
    auto* heading = new QLabel(h < 18 ? QString::number(h + 1) : QStringLiteral("TOT"), b.frame);
    heading->setAlignment(Qt::AlignCenter);
    placeTwips(heading, kBoxLeft + kBoxStep * h, 200, kBoxWidth, 240);
  }
  auto* p = new QLabel(QStringLiteral("P"), b.frame);
  placeTwips(p, 120, 480, 280, 285);
  auto* hrow = new QLabel(QStringLiteral("H"), b.frame);
  placeTwips(hrow, 120, 860, 280, 285);
  const auto rowBox = [&](const QString& name, int index, long left, long top, int mode) {
    auto* box = new QLineEdit(b.frame);
    box->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(index));
    box->setAlignment(Qt::AlignCenter);
    placeTwips(box, left, top, kBoxWidth, 315);
    new KeyFilter(box, mode, beep);
    return box;
  };
  for (int h = 0; h < 19; ++h) {
    QLineEdit* par = rowBox(parName, h, kBoxLeft + kBoxStep * h, 450, 1);
    b.pars[static_cast<std::size_t>(h)] = par;
    if (h == 18) {
      par->setReadOnly(true);
      break;
    }
    connect(par, &QLineEdit::textEdited, this, [this, sex, h](const QString& t) {
      if (auto next = form_.typed(sex, CourseForm::Row::Pars, h, t.toStdString())) focusNext(sex, *next);
    });
    onFocusOut(par, [this, sex] {
      form_.parLeft(sex);
      showForm();
    });
    QLineEdit* si = rowBox(siName, h, kBoxLeft + kBoxStep * h, 830, 1);
    b.strokeIndexes[static_cast<std::size_t>(h)] = si;
    connect(si, &QLineEdit::textEdited, this, [this, sex, h](const QString& t) {
      if (auto next = form_.typed(sex, CourseForm::Row::StrokeIndexes, h, t.toStdString()))
        focusNext(sex, *next);
    });
    onFocusOut(si, [this, sex, h] { form_.strokeIndexLeft(sex, h); });
  }
  auto* ratingLabel = new QLabel(QStringLiteral("Course Rating"), b.frame);
  placeTwips(ratingLabel, kBoxLeft, 1330, 1400, 285);
  auto* slopeLabel = new QLabel(QStringLiteral("Slope Rating"), b.frame);
  placeTwips(slopeLabel, 3300, 1330, 1300, 285);
  for (int k = 0; k < 6; ++k) {
    const bool rating = k % 2 == 0;
    QLineEdit* box = rowBox(ratingName, k, rating ? 1900 : 4650, 1300, rating ? 2 : 1);
    box->resize(box->width() * 2, box->height());
    b.ratings[static_cast<std::size_t>(k)] = box;
    if (k < 4) box->hide();  // only the third rating and slope are entered
    connect(box, &QLineEdit::textEdited, this, [this, sex, k](const QString& t) {
      form_.tabs[static_cast<std::size_t>(sex)].ratings[static_cast<std::size_t>(k)] = t.toStdString();
      form_.unsaved = true;
    });
    onFocusOut(box, [this, sex] {
      form_.ratingLeft(sex);
      showForm();
    });
  }
}

std::optional<std::string> CourseWindow::tipText(int n) const {
  switch (n) {
    case 1:
      return " Enter a new course or descriptive setting name. (eg.) Identify course and/or tee name";
    case 2:
      return " Select a course setting for editing or display";
    case 3:
      return " Enter or edit the men's ratings. ";
    case 4:
      return " Enter or edit the men's handicap holes. Enter 1{TAB} for 1st handicap hole rating";
    case 5:
      return " Enter or edit the men's par holes ";
    case 6:
      return " Enter or edit the ladies' ratings. ";
    case 7:
      return " Enter or edit the ladies' handicap holes. Enter 1{TAB} for 1st handicap hole rating";
    case 8:
      return " Enter or edit the ladies' par holes ";
    case 9:
      return " Deletes the selected setting (if previously saved)";
    case 10:
      return " Saves a new or edited course setting and clears the form";
    default:
      return std::nullopt;
  }
}

void CourseWindow::activate() {
  form_.activate();
  showForm();
}

void CourseWindow::focusNext(CourseForm::Sex sex, const CourseForm::Next& next) {
  TabBoxes& b = boxes_[static_cast<std::size_t>(sex)];
  QLineEdit* target = next.row == CourseForm::Row::Pars ? b.pars[static_cast<std::size_t>(next.hole)]
                      : next.row == CourseForm::Row::StrokeIndexes
                          ? b.strokeIndexes[static_cast<std::size_t>(next.hole)]
                          : b.ratings[4];
  target->setFocus();
  target->selectAll();
}

void CourseWindow::showForm() {
  for (std::size_t s = 0; s < 2; ++s) {
    const CourseTab& t = form_.tabs[s];
    TabBoxes& b = boxes_[s];
    for (std::size_t h = 0; h < 19; ++h) b.pars[h]->setText(qs(t.pars[h]));
    for (std::size_t h = 0; h < 18; ++h) b.strokeIndexes[h]->setText(qs(t.strokeIndexes[h]));
    for (std::size_t k = 0; k < 6; ++k) b.ratings[k]->setText(qs(t.ratings[k]));
  }
  if (form_.ladiesFrameVisible) boxes_[1].frame->setVisible(true);
  name_->setText(qs(form_.newName));
  combo_->clear();
  for (const std::string& e : form_.settings) combo_->addItem(qs(e));
  int selected = -1;
  for (int i = 0; i < combo_->count() && form_.selected > 0; ++i) {
    if (entryRecord(combo_->itemText(i).toStdString()) == form_.selected) selected = i;
  }
  combo_->setCurrentIndex(selected);
}

void CourseWindow::leave() {
  if (leaving_) return;
  leaving_ = true;
  form_.leave();
  tag.clear();
  close();
  leaving_ = false;
}

void CourseWindow::closeEvent(QCloseEvent* event) {
  // Esc and the close box leave without a question; E&xit asked already.
  if (!leaving_) {
    form_.leave(false);
    tag.clear();
  }
  QWidget::closeEvent(event);
}

}  // namespace teebrook
